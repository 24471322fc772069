#include "ResultBoxColours.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace tarvand {

namespace {

// Takes one sRGB channel, 0 to 1; returns it linear (the sRGB transfer function, IEC 61966-2-1).
double Linear(float channel) {
    const double c = channel;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Takes a colour; returns its relative luminance, 0 (black) to 1 (white), as WCAG 2 defines it.
double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette ResultBoxPalette(QPalette palette) {
    QColor background = palette.color(QPalette::Active, QPalette::ButtonText);
    QColor text = palette.color(QPalette::Active, QPalette::HighlightedText);
    if (ContrastRatio(background, text) < ReadableContrast) {
        background = Qt::black;
        text = Qt::white;
    }
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    return palette;
}

}  // namespace tarvand
