// The window's layout is kept in twips, 1/1440 inch; Qt works in logical pixels at 96 per inch.
// Qt's high-dpi scaling takes logical pixels the rest of the way to the screen.
#pragma once

#include <QRect>
#include <cmath>

namespace tarvand {

inline constexpr int TwipsPerPixel = 1440 / 96;  // 15

// Takes a length in twips; returns it in logical pixels, rounded to the nearest.
constexpr int ToPixels(double twips) {
    return static_cast<int>(twips / TwipsPerPixel + (twips < 0 ? -0.5 : 0.5));
}

// Takes a length in logical pixels; returns it in twips.
constexpr double ToTwips(int pixels) { return static_cast<double>(pixels) * TwipsPerPixel; }

// Takes left, top, width and height in twips; returns the rectangle in logical pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

}  // namespace tarvand
