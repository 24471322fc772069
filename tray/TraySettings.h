// The indicator's own settings, kept in $XDG_CONFIG_HOME/tarvand/tray.ini: the digits of the
// icon, and the times of the day to be told of.
#pragma once

#include <QSettings>

namespace tarvand {

// Returns the indicator's settings file.
inline QSettings TraySettings() {
    return {QSettings::IniFormat, QSettings::UserScope, "tarvand", "tray"};
}

}  // namespace tarvand
