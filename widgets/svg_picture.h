// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

// A still picture drawn from an SVG at its natural size from the top-left
// corner, so it stays sharp at any scale. The SVG is rendered once per device
// pixel ratio and scale, on first paint or earlier through prepare(), and
// kept only as bands of rows packed with LZ4: a paint unpacks the bands it
// covers and no more, so a picture as large as its window costs a fraction of
// its pixels in memory and a full-screen picture unpacks within a frame.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& resource, QWidget* parent);
    // An SVG rendered to a pixmap of `size` logical pixels at `ratio`.
    static QPixmap render(const QString& resource, QSize size, qreal ratio);

    // Renders the picture now, at the ratio of the screen it will be shown on.
    void prepare();
    // Drawn `scale` times its natural size (a window laid out larger).
    void setScale(qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void renderBands(qreal ratio);

    QString m_resource;
    std::vector<QByteArray> m_bands;  // BandRows device rows each, compressed
    QSize m_size;                     // in device pixels
    QImage::Format m_format = QImage::Format_ARGB32_Premultiplied;
    qreal m_ratio = 0;
    qreal m_scale = 1;
    qreal m_renderedScale = 1;
};
