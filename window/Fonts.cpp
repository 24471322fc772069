#include "Fonts.h"

#include <QStringList>

namespace tarvand {

QFont TahomaFont(qreal pointSize, QFont::Weight weight) {
    // Noto Sans Arabic UI keeps Tahoma's compact line height; DejaVu Sans is the last resort.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic UI"),
                      QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

}  // namespace tarvand
