// Whether the desktop has a tray to take an icon: a StatusNotifierItem host on the session bus
// (Plasma, XFCE, LXQt, Cinnamon, MATE, waybar, GNOME with the AppIndicator extension), or an
// XEmbed tray on the X display.
#pragma once

namespace tarvand {

// Returns true when a StatusNotifierItem host is registered with the session bus's watcher.
bool StatusNotifierHostPresent();

// Returns true when the X display (if Qt runs on one) has an XEmbed tray: an owner of the
// screen's _NET_SYSTEM_TRAY_S selection.
bool XEmbedTrayPresent();

// Takes a number of seconds; returns true as soon as either tray is there, or false when none
// came within that time. Asks Qt nothing before then: Qt decides once a process whether the
// StatusNotifierItem way is there, so a host that comes late would otherwise never be used.
bool WaitForTray(int seconds);

}  // namespace tarvand
