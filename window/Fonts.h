// The window's fonts: Tahoma, the machine's or Wine's free one, else faces with Arabic glyphs that
// stand in for it; and the window's default.
#pragma once

#include <QFont>

#include <string>

namespace tarvand {

// Where Debian's fonts-wine keeps Wine's Tahoma, a free face made to stand in for Tahoma, with
// Persian letters; out of fontconfig's reach, so that it stands in only where asked.
inline constexpr char WineFonts[] = TARVAND_WINE_FONTS_DIR;

// Takes a folder with Wine's tahoma.ttf and tahomabd.ttf; where fontconfig knows no Tahoma, adds
// the two to this process's fonts, so that Qt finds Tahoma as it is named instead of searching
// every font for stand-ins. Returns whether fontconfig knows a Tahoma now. Fontconfig only, no Qt:
// the start calls it while the display opens; it must run before Qt first lists the fonts.
bool AddTahomaWhereMissing(const std::string& folder = WineFonts);

// Takes a size in points and a weight; returns Tahoma in that size and weight. Where fontconfig
// knows no Tahoma, Noto Sans Arabic UI and then DejaVu Sans stand in, so that the Persian texts
// show.
QFont TahomaFont(qreal pointSize, QFont::Weight weight);

// Returns the window's default font, for the controls without a font of their own: the desktop's
// family at the layout's small default size, 8.25 points, whatever size the desktop sets.
QFont WindowFont();

}  // namespace tarvand
