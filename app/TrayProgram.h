// The indicator as a program: the occasions read, a tray waited for, the icon shown until quit.
#pragma once

namespace tarvand {

// Takes how many seconds to wait for a tray; runs the indicator and returns the program's status:
// 1 when no tray came (with a message on stderr), 0 at once when an indicator already runs in this
// session (which then opens its month view).
int RunTray(int waitSeconds);

}  // namespace tarvand
