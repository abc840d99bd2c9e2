#include "svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString& resource, QWidget* parent, Hidden hidden)
    : QWidget(parent), m_resource(resource), m_hidden(hidden)
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

const QImage& SvgPicture::pixels()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_image.isNull() && qFuzzyCompare(m_image.devicePixelRatio(), ratio))
        return m_image;
    m_image = QImage();
    if (!m_packed.isEmpty() && qFuzzyCompare(m_packedRatio, ratio)) {
        // The unpacked bytes become the image's own buffer: no second copy.
        auto* bytes = new QByteArray(qUncompress(m_packed));
        const qsizetype bytesPerLine = 4 * m_packedSize.width();
        if (bytes->size() == bytesPerLine * m_packedSize.height()) {
            m_image = QImage(reinterpret_cast<uchar*>(bytes->data()), m_packedSize.width(), m_packedSize.height(), bytesPerLine,
                             QImage::Format_ARGB32_Premultiplied, [](void* b) { delete static_cast<QByteArray*>(b); }, bytes);
            m_image.setDevicePixelRatio(ratio);
            return m_image;
        }
        delete bytes;
    }
    m_packed.clear();
    m_image = render(m_resource, QSize(), ratio).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return m_image;
}

void SvgPicture::pack()
{
    if (m_image.isNull() || m_hidden == Hidden::Kept)
        return;
    if (m_packed.isEmpty() || !qFuzzyCompare(m_packedRatio, m_image.devicePixelRatio())) {
        const QImage& image = m_image;  // const: reading bits() makes no copy
        // Pictures are drawn art with large even areas: the fastest level packs them about six times.
        m_packed = qCompress(image.constBits(), static_cast<qsizetype>(image.sizeInBytes()), 1);
        m_packed.squeeze();  // qCompress leaves room for the worst case
        m_packedSize = image.size();
        m_packedRatio = image.devicePixelRatio();
    }
    m_image = QImage();
}

void SvgPicture::prepare()
{
    pixels();
    if (!window()->isVisible())
        pack();
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    const QImage& image = pixels();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void SvgPicture::hideEvent(QHideEvent* event)
{
    pack();
    QWidget::hideEvent(event);
}
