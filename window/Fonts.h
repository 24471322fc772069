// The window's fonts: Tahoma where the machine has it, else a face with Arabic glyphs; and the
// window's default.
#pragma once

#include <QFont>

namespace tarvand {

// Takes a size in points and a weight; returns Tahoma in that size and weight. Where Tahoma is
// missing, Noto Sans Arabic UI and then DejaVu Sans stand in, so that the Persian texts show.
QFont TahomaFont(qreal pointSize, QFont::Weight weight);

// Returns the window's default font, for the controls without a font of their own: the desktop's
// family at the layout's small default size, 8.25 points, whatever size the desktop sets.
QFont WindowFont();

}  // namespace tarvand
