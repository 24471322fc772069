// Starting the indicator at login: an entry in the user's XDG autostart folder, a copy of the
// indicator's desktop entry.
#pragma once

#include <QString>

namespace tarvand {

// Returns the entry's path: $XDG_CONFIG_HOME/autostart (~/.config/autostart when unset), then
// org.tarvand.tarvand-tray.desktop.
QString AutostartPath();

// Returns true when the entry is there and not hidden.
bool AutostartEnabled();

// Takes whether to start at login; writes the entry whole or removes it. Returns the empty text,
// or what went wrong.
QString SetAutostart(bool enabled);

}  // namespace tarvand
