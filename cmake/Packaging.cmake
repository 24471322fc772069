# The Debian package: cpack -G DEB in the build directory makes tarvand_1.00_<arch>.deb;
# script/package runs it on a build with Debian's hardened flags.
set(CPACK_PACKAGE_NAME tarvand)
set(CPACK_PACKAGE_VERSION ${TARVAND_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvand")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Tarvand developers <developers@tarvand.org>"
    CACHE STRING "The package's Maintainer field")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; Qt's platform plugins are loaded at run time, the window
# is drawn in Tahoma (Wine's free one where the machine has none), and the Persian texts want a
# font with Arabic glyphs; on Wayland the window runs natively with Qt's
# Wayland platform plugin rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-wine, fonts-noto-core, qt6-wayland, qt6-translations-l10n, tzdata")
# GNOME Shell shows the indicator only with the AppIndicator extension.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
set(CPACK_PACKAGE_DESCRIPTION "Tarvand shows today's date in the Solar Hijri (Iranian) calendar in a small
window, in four Persian layouts, with the computer's own date and a clock.
With --tray it keeps today's day in the panel's tray instead, with a month
view of Iran's holidays and the user's events.

The command tarvand-date prints the same conversion for scripts and panels,
in both directions, for today or for any day from 1178 to 3000 in the Solar
Hijri calendar (1799 to 3622), following the astronomical calendar. The
command tarvand-cal shows the months of that calendar as cal does, with the
Gregorian months each spans, in Latin or Persian letters. The command
tarvand-times prints the times of the day that Iran's official calendar
prints, for the cities of Iran and Afghanistan or any place.")
include(CPack)
