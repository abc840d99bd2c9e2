// SPDX-License-Identifier: GPL-3.0-or-later
// Large text drawn once and kept as a picture.
#include "widgets/kept_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>

namespace KeptText {

namespace {

// Above this many device pixels Qt draws a glyph from its outline (Qt's own limit).
constexpr qreal LargestCachedGlyph = 64;

qreal devicePixels(const QFont& font, const QPaintDevice* device, qreal ratio)
{
    const qreal logical = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device->logicalDpiY() / 72.0;
    return logical * ratio;
}

}

void draw(QPainter* painter, const QRect& rect, int flags, const QString& text)
{
    const QFont font = painter->font();
    QPaintDevice* device = painter->device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    const QPen pen = painter->pen();
    // Only what a picture drawn plainly reproduces exactly: large text, a
    // painter that at most moves it, a plain pen of one colour.
    const bool plainPainter = painter->transform().type() <= QTransform::TxTranslate &&
                              painter->compositionMode() == QPainter::CompositionMode_SourceOver;
    const bool plainPen = pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern;
    if (text.isEmpty() || !device || devicePixels(font, device, ratio) <= LargestCachedGlyph || !plainPainter || !plainPen) {
        painter->drawText(rect, flags, text);
        return;
    }
    // The picture holds the text where it lies in the rectangle, with room
    // for what reaches past its advance (a slanted letter's overhang).
    const QFontMetrics metrics(font, device);
    const int margin = static_cast<int>(std::ceil(devicePixels(font, device, 1.0) / 4));
    const QRect bounds = metrics.boundingRect(rect, flags, text).adjusted(-margin, -margin, margin, margin);
    const QPoint offset = rect.topLeft() - bounds.topLeft();
    const QString key = QStringLiteral("kept-text:%1:%2:%3:%4x%5:%6,%7:%8:%9:")
                            .arg(font.key())
                            .arg(pen.color().rgba())
                            .arg(flags)
                            .arg(rect.width())
                            .arg(rect.height())
                            .arg(offset.x())
                            .arg(offset.y())
                            .arg(ratio)
                            .arg(int(painter->renderHints())) +
                        text;
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(bounds.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHints(painter->renderHints());
        p.setFont(font);
        p.setPen(pen);
        p.drawText(QRect(offset, rect.size()), flags, text);
        p.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(bounds.topLeft(), picture);
}

}
