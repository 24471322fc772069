#include "Fonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace tarvand {

QFont TahomaFont(qreal pointSize, QFont::Weight weight) {
    // Noto Sans Arabic UI keeps Tahoma's compact line height; DejaVu Sans has the Latin letters
    // and digits it lacks. Each further family costs a font look-up at start-up.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic UI"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QFont WindowFont() {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace tarvand
