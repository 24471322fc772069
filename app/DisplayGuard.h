// While the window system is being opened, Qt's messages are held back. If it cannot be opened, the
// program says so in one line, naming the displays it tried, and ends with status 1 where Qt would
// abort.
#pragma once

#include <QtGlobal>

namespace tarvand {

class DisplayGuard {
public:
    // Starts holding back Qt's messages.
    DisplayGuard();
    // Takes the window system as open: passes on what was held back and stops holding.
    void Opened();
    ~DisplayGuard();

    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace tarvand
