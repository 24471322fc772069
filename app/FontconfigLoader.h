// Loads fontconfig's configuration and font lists on a thread of its own while Qt opens the window
// system. Opening the display mostly waits on the display server, and the window's first label
// needs the fonts right after; loaded alongside, they no longer follow the wait.
#pragma once

#include <thread>

namespace tarvand {

class FontconfigLoader {
public:
    // Starts loading.
    FontconfigLoader();
    // Returns once the fonts are loaded; call before Qt first looks up a font.
    void Wait();

private:
    std::jthread loading_;
};

}  // namespace tarvand
