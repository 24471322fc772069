// The result boxes' colours: light text on a dark box, after the user's colour scheme, as long as
// the scheme's pair can be read.
#pragma once

#include <QPalette>

namespace tarvand {

// The least contrast that counts as readable: WCAG 2's level AA for normal text.
inline constexpr double ReadableContrast = 4.5;

// Takes two colours; returns their contrast ratio as WCAG 2 defines it, from 1 (the same
// luminance) to 21 (black and white).
double ContrastRatio(const QColor& first, const QColor& second);

// Takes the window's palette; returns it with the result boxes' background (Base) and text (Text)
// set: the scheme's button text colour behind its highlighted text colour, or white on black where
// those two fall below the readable contrast (in dark schemes both are light).
QPalette ResultBoxPalette(QPalette palette);

}  // namespace tarvand
