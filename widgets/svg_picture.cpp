// SPDX-License-Identifier: GPL-3.0-or-later
// An SVG picture rendered once per pixel ratio and kept as compressed bands.
#include "widgets/svg_picture.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {
// Small enough that a label changing over the picture unpacks a few kilobytes,
// large enough that a band still packs well.
constexpr int BandRows = 32;
}

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

void SvgPicture::renderBands(qreal ratio)
{
    QSize size;
    if (!qFuzzyCompare(m_scale, 1.0))
        size = (QSizeF(QSvgRenderer(m_resource).defaultSize()) * m_scale).toSize();
    const QImage image = render(m_resource, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_bands.clear();
    m_size = image.size();
    m_ratio = ratio;
    m_renderedScale = m_scale;
    for (int top = 0; top < image.height(); top += BandRows) {
        const int rows = std::min(BandRows, image.height() - top);
        // Drawn art with large even areas: the fastest level packs it about six times.
        QByteArray band = qCompress(image.constScanLine(top), static_cast<qsizetype>(image.bytesPerLine()) * rows, 1);
        band.squeeze();  // qCompress leaves room for the worst case
        m_bands.push_back(std::move(band));
    }
}

void SvgPicture::prepare()
{
    const qreal ratio = devicePixelRatioF();
    if (m_bands.empty() || !qFuzzyCompare(m_ratio, ratio) || !qFuzzyCompare(m_renderedScale, m_scale))
        renderBands(ratio);
}

void SvgPicture::setScale(qreal scale)
{
    if (qFuzzyCompare(m_scale, scale))
        return;
    m_scale = scale;
    // Rendered anew at the next paint; the old size is no use any more.
    m_bands.clear();
    update();
}

void SvgPicture::paintEvent(QPaintEvent* event)
{
    prepare();
    QPainter painter(this);
    const QRect area = event->rect();
    const int first = std::max(0, static_cast<int>(std::floor(area.top() * m_ratio)) / BandRows);
    const int last = std::min(static_cast<int>(m_bands.size()) - 1,
                              static_cast<int>(std::ceil((area.bottom() + 1) * m_ratio)) / BandRows);
    const qsizetype bytesPerLine = 4 * static_cast<qsizetype>(m_size.width());
    for (int b = first; b <= last; ++b) {
        const int top = b * BandRows;
        const int rows = std::min(BandRows, m_size.height() - top);
        const QByteArray pixels = qUncompress(m_bands[static_cast<std::size_t>(b)]);
        if (pixels.size() != bytesPerLine * rows)
            continue;
        QImage band(reinterpret_cast<const uchar*>(pixels.constData()), m_size.width(), rows, bytesPerLine,
                    QImage::Format_ARGB32_Premultiplied);
        band.setDevicePixelRatio(m_ratio);
        painter.drawImage(QPointF(0, top / m_ratio), band);
    }
}
