// SPDX-License-Identifier: GPL-3.0-or-later
// An SVG picture rendered once per pixel ratio and kept as compressed bands.
#include "widgets/svg_picture.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <lz4.h>

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
    QImage image = render(m_resource, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // A background covers every pixel: without alpha it is copied onto the
    // window rather than blended, the same pixels in a fraction of the time.
    bool opaque = true;
    for (int y = 0; y < image.height() && opaque; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        opaque = std::all_of(row, row + image.width(), [](QRgb p) { return qAlpha(p) == 255; });
    }
    if (opaque)
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    m_format = image.format();
    m_bands.clear();
    m_size = image.size();
    m_ratio = ratio;
    m_renderedScale = m_scale;
    for (int top = 0; top < image.height(); top += BandRows) {
        const int rows = std::min(BandRows, image.height() - top);
        // LZ4 unpacks a band ten times faster than zlib: a whole picture the
        // size of a full screen in a few milliseconds, so a screen change never
        // waits on it, for packing drawn art a little less tightly.
        const int bytes = image.bytesPerLine() * rows;
        QByteArray band(LZ4_compressBound(bytes), Qt::Uninitialized);
        const int packed = LZ4_compress_default(reinterpret_cast<const char*>(image.constScanLine(top)), band.data(), bytes,
                                                static_cast<int>(band.size()));
        band.truncate(std::max(0, packed));
        band.squeeze();
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
    // One band's pixels at a time, in a buffer kept from paint to paint: a
    // band of a full-screen picture is half a megabyte, which the allocator
    // would otherwise map, fault in and give back for every band.
    static QByteArray pixels;
    if (pixels.size() < bytesPerLine * BandRows)
        pixels.resize(bytesPerLine * BandRows);
    for (int b = first; b <= last; ++b) {
        const int top = b * BandRows;
        const int rows = std::min(BandRows, m_size.height() - top);
        const QByteArray& packed = m_bands[static_cast<std::size_t>(b)];
        const int expected = static_cast<int>(bytesPerLine * rows);
        if (LZ4_decompress_safe(packed.constData(), pixels.data(), static_cast<int>(packed.size()), expected) != expected)
            continue;
        QImage band(reinterpret_cast<const uchar*>(pixels.constData()), m_size.width(), rows, bytesPerLine, m_format);
        band.setDevicePixelRatio(m_ratio);
        painter.drawImage(QPointF(0, top / m_ratio), band);
    }
}
