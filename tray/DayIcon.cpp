#include "DayIcon.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "DayTexts.h"

namespace tarvand {

namespace {

// The page's colours: a deep red that white text reads on at 6.6:1 (WCAG 2), edged darker so that
// the page stands out from a red or a light panel too.
const QColor Page(0xB7, 0x1C, 0x1C);
const QColor Edge(0x7F, 0x00, 0x00);

}  // namespace

QPixmap DayPixmap(int day, bool persian, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The page fills the square less a pixel's margin at small sizes, with rounded corners.
    const qreal margin = size < 24 ? 0.5 : size / 24.0;
    const QRectF page(margin, margin, size - 2 * margin, size - 2 * margin);
    const qreal radius = size / 6.0;
    painter.setPen(QPen(Edge, std::max(1.0, size / 32.0)));
    painter.setBrush(Page);
    painter.drawRoundedRect(page, radius, radius);

    // The digits: bold, as large as fits the page's inside, and no taller than 3/4 of it, so that
    // one digit stands as tall as two.
    const QString text = Digits(day, persian);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic UI")});
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QRectF inside = page.adjusted(size / 16.0, size / 16.0, -size / 16.0, -size / 16.0);
    const qreal pixelSize = inside.height();
    font.setPixelSize(static_cast<int>(pixelSize));
    QRectF bounds = QFontMetricsF(font).tightBoundingRect(text);
    const qreal scale =
        std::min(inside.width() / bounds.width(), 0.75 * inside.height() / bounds.height());
    font.setPixelSize(std::max(6, static_cast<int>(pixelSize * scale)));
    bounds = QFontMetricsF(font).tightBoundingRect(text);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // Centred on the ink, not on the line: digits have no descenders to leave room for.
    const QPointF origin(page.center().x() - bounds.center().x(),
                         page.center().y() - bounds.center().y());
    painter.drawText(QPointF(std::round(origin.x()), std::round(origin.y())), text);
    return pixmap;
}

QIcon DayIcon(int day, bool persian) {
    QIcon icon;
    for (const int size : DayIconSizes) {
        icon.addPixmap(DayPixmap(day, persian, size));
    }
    return icon;
}

}  // namespace tarvand
