// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style with large text and scroll bars kept as pictures.
#include "widgets/kept_style.h"

#include "widgets/kept_text.h"

#include <QApplication>
#include <QPainter>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace {

bool covers(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

}

void KeptStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                             const QString& text, QPalette::ColorRole textRole) const
{
    // Disabled text that the style etches or dithers is left to it.
    if (text.isEmpty() || (!enabled && (proxy()->styleHint(SH_EtchDisabledText) || proxy()->styleHint(SH_DitherDisabledText)))) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    const QPen saved = painter->pen();
    if (textRole != QPalette::NoRole)
        painter->setPen(QPen(palette.brush(textRole), saved.widthF()));
    KeptText::draw(painter, rect, flags, text);
    painter->setPen(saved);
}

void KeptStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    QPaintDevice* device = painter->device();
    // A bar the style animates (a transient one fading) changes between
    // frames with nothing in its option to say so; it is drawn as it comes.
    if (control != CC_ScrollBar || !bar || !device || bar->rect.isEmpty() ||
        painter->transform().type() > QTransform::TxTranslate ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        proxy()->styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Everything of the option that the style draws from: a bar that looks
    // different has a key of its own.
    const qreal ratio = device->devicePixelRatioF();
    const QString key = QStringLiteral("kept-scroll-bar:%1:%2x%3:%4:%5:%6:%7:%8:%9:")
                            .arg(baseStyle()->name())
                            .arg(bar->rect.width())
                            .arg(bar->rect.height())
                            .arg(ratio)
                            .arg(int(bar->state))
                            .arg(int(bar->direction))
                            .arg(bar->palette.cacheKey())
                            .arg(int(bar->subControls))
                            .arg(int(bar->activeSubControls)) +
                        QStringLiteral("%1:%2:%3:%4:%5:%6:%7:%8")
                            .arg(int(bar->orientation))
                            .arg(bar->minimum)
                            .arg(bar->maximum)
                            .arg(bar->sliderPosition)
                            .arg(bar->singleStep)
                            .arg(bar->pageStep)
                            .arg(bar->upsideDown)
                            .arg(int(painter->renderHints()));
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        QImage image(bar->rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QStyleOptionSlider atOrigin = *bar;
        atOrigin.rect.moveTopLeft(QPoint());
        QPainter p(&image);
        p.setRenderHints(painter->renderHints());
        QProxyStyle::drawComplexControl(control, &atOrigin, &p, widget);
        p.end();
        // A bar the style fills to its edges is kept without alpha: copied
        // at paint, not blended.
        if (covers(image))
            image = std::move(image).convertToFormat(QImage::Format_RGB32);
        picture = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(bar->rect.topLeft(), picture);
}

void KeptStyle::install()
{
    if (dynamic_cast<KeptStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new KeptStyle(QStyleFactory::create(QApplication::style()->name())));
}
