// The window's fonts: Tahoma where the machine has it, else a face with Arabic glyphs.
#pragma once

#include <QFont>

namespace tarvand {

// Takes a size in points and a weight; returns Tahoma in that size and weight, with fallbacks
// that can show the Persian texts when Tahoma is missing.
QFont TahomaFont(qreal pointSize, QFont::Weight weight);

}  // namespace tarvand
