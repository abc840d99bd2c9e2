// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style: grown with a scaled screen, large text and scroll bars kept as pictures.
#include "widgets/game_style.h"

#include "widgets/kept_text.h"
#include "widgets/screen_view.h"

#include <QApplication>
#include <QPainter>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>

#include <optional>

namespace {

// The scale of the screen a widget is on: 1 windowed.
qreal scaleOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* view = dynamic_cast<const ScreenView*>(w))
            return view->scale();
    return 1;
}

// The font resolution the style should size a widget's controls by: the
// desktop's, times its screen's scale.
int grownDpi(const QWidget* widget, qreal scale)
{
    return qRound(widget->fontMetrics().fontDpi() * scale);
}

// An option as the style should see it on a scaled screen: its font's
// resolution grown with the scale. None if it is windowed, or grown already
// (a call the style makes while drawing what it was given grown).
template <class Option>
std::optional<Option> grown(const QStyleOption* option, const QWidget* widget)
{
    const auto* typed = qstyleoption_cast<const Option*>(option);
    const qreal scale = scaleOf(widget);
    if (!typed || !widget || qFuzzyCompare(scale, 1.0))
        return std::nullopt;
    const int dpi = grownDpi(widget, scale);
    if (typed->fontMetrics.fontDpi() == dpi)
        return std::nullopt;
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(qRound(dpi / 0.0254));
    device.setDotsPerMeterY(qRound(dpi / 0.0254));
    Option copy = *typed;
    copy.fontMetrics = QFontMetrics(widget->font(), &device);
    return copy;
}

// Runs `call` on the option grown for a scaled screen, if it is one of the
// controls that grow, or on the option as it is.
template <class Call>
auto onGrown(QStyle::ComplexControl control, const QStyleOptionComplex* option, const QWidget* widget, Call call)
{
    if (control == QStyle::CC_ScrollBar || control == QStyle::CC_Slider) {
        if (const auto slider = grown<QStyleOptionSlider>(option, widget))
            return call(&*slider);
    } else if (control == QStyle::CC_ComboBox) {
        if (const auto box = grown<QStyleOptionComboBox>(option, widget))
            return call(&*box);
    }
    return call(option);
}

bool growsWithScale(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
    case QStyle::PM_SliderTickmarkOffset:
        return true;
    default:
        return false;
    }
}

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

void GameStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
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

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    onGrown(control, option, widget, [&](const QStyleOptionComplex* o) {
        if (control == CC_ScrollBar)
            drawKeptScrollBar(o, painter, widget);
        else
            QProxyStyle::drawComplexControl(control, o, painter, widget);
    });
}

QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                const QWidget* widget) const
{
    return onGrown(control, option, widget, [&](const QStyleOptionComplex* o) {
        return QProxyStyle::subControlRect(control, o, sub, widget);
    });
}

QStyle::SubControl GameStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                                    const QPoint& pos, const QWidget* widget) const
{
    return onGrown(control, option, widget, [&](const QStyleOptionComplex* o) {
        return QProxyStyle::hitTestComplexControl(control, o, pos, widget);
    });
}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const qreal scale = scaleOf(widget);
    if (!growsWithScale(metric) || qFuzzyCompare(scale, 1.0))
        return QProxyStyle::pixelMetric(metric, option, widget);
    if (const auto slider = grown<QStyleOptionSlider>(option, widget))
        return QProxyStyle::pixelMetric(metric, &*slider, widget);
    if (option && option->fontMetrics.fontDpi() == grownDpi(widget, scale))
        return QProxyStyle::pixelMetric(metric, option, widget);
    return qRound(QProxyStyle::pixelMetric(metric, option, widget) * scale);
}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element == PE_PanelButtonCommand && drawNarrowButtonPanel(option, painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool GameStyle::drawNarrowButtonPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    // Each end keeps the rounded corners and the outline's turn; the middle
    // is one column, the same across the whole width of the gradient.
    constexpr int End = 16;
    constexpr int Narrow = 2 * End + 1;
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    QPaintDevice* device = painter->device();
    // Only a style known to shade its buttons from top to bottom.
    const bool fusion = baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (!fusion || !button || !device || option->rect.width() < 4 * Narrow || option->rect.height() <= 0 ||
        painter->transform().type() > QTransform::TxTranslate ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const qreal ratio = device->devicePixelRatioF();
    if (ratio != qRound(ratio))  // a column would not be a whole pixel
        return false;
    const QString key = QStringLiteral("kept-button-panel:%1:%2:%3:%4:%5:%6:%7:%8")
                            .arg(baseStyle()->name())
                            .arg(option->rect.height())
                            .arg(ratio)
                            .arg(int(option->state))
                            .arg(int(option->direction))
                            .arg(option->palette.cacheKey())
                            .arg(int(button->features))
                            .arg(int(painter->renderHints()));
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        QImage image(QSize(Narrow, option->rect.height()) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QStyleOptionButton narrow = *button;
        narrow.rect = QRect(0, 0, Narrow, option->rect.height());
        QPainter p(&image);
        p.setRenderHints(painter->renderHints());
        QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &narrow, &p, widget);
        p.end();
        picture = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(key, picture);
    }
    const QRect& r = option->rect;
    const int end = qRound(End * ratio);
    const int h = picture.height();
    painter->save();
    // The middle column is stretched pixel for pixel, never blended with its neighbours.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawPixmap(QRectF(r.x(), r.y(), End, r.height()), picture, QRectF(0, 0, end, h));
    painter->drawPixmap(QRectF(r.x() + End, r.y(), r.width() - 2 * End, r.height()), picture, QRectF(end, 0, 1, h));
    painter->drawPixmap(QRectF(r.right() + 1 - End, r.y(), End, r.height()), picture,
                        QRectF(picture.width() - end, 0, end, h));
    painter->restore();
    return true;
}

void GameStyle::drawKeptScrollBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    QPaintDevice* device = painter->device();
    // A bar the style animates (a transient one fading) changes between
    // frames with nothing in its option to say so; it is drawn as it comes.
    if (!bar || !device || bar->rect.isEmpty() ||
        painter->transform().type() > QTransform::TxTranslate ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        proxy()->styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(CC_ScrollBar, option, painter, widget);
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
                        QStringLiteral("%1:%2:%3:%4:%5:%6:%7:%8:%9")
                            .arg(int(bar->orientation))
                            .arg(bar->minimum)
                            .arg(bar->maximum)
                            .arg(bar->sliderPosition)
                            .arg(bar->singleStep)
                            .arg(bar->pageStep)
                            .arg(bar->upsideDown)
                            .arg(int(painter->renderHints()))
                            .arg(bar->fontMetrics.fontDpi());
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        QImage image(bar->rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QStyleOptionSlider atOrigin = *bar;
        atOrigin.rect.moveTopLeft(QPoint());
        QPainter p(&image);
        p.setRenderHints(painter->renderHints());
        QProxyStyle::drawComplexControl(CC_ScrollBar, &atOrigin, &p, widget);
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

void GameStyle::install()
{
    if (dynamic_cast<GameStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new GameStyle(QStyleFactory::create(QApplication::style()->name())));
}
