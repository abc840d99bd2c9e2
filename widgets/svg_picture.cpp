#include "svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), m_resource(resource)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QPixmap SvgPicture::render(const QString& resource, QSize size, qreal ratio)
{
    QSvgRenderer renderer(resource);
    if (size.isEmpty())
        size = renderer.defaultSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio))
        m_cache = render(m_resource, QSize(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}
