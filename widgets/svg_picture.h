#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

// A still picture drawn from an SVG at its natural size from the top-left
// corner, so it stays sharp at any scale. The SVG is rendered once per device
// pixel ratio: on first paint, or earlier through prepare(). While its window
// is hidden a Packed picture keeps only a compressed copy of the pixels, and
// unpacks it when painted again: a hidden screen costs little memory, and
// showing it again needs no new rendering. A Kept picture (a screen the game
// keeps coming back to) holds its pixels unpacked all along.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    enum class Hidden { Packed, Kept };
    SvgPicture(const QString& resource, QWidget* parent, Hidden hidden = Hidden::Packed);
    // An SVG rendered to a pixmap of `size` logical pixels at `ratio`.
    static QPixmap render(const QString& resource, QSize size, qreal ratio);

    // Renders the picture now (at the ratio of the screen it will be shown
    // on) and keeps it packed if the window is hidden.
    void prepare();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The pixels at the current ratio, unpacked; rendered if there are none.
    const QImage& pixels();
    void pack();

    QString m_resource;
    Hidden m_hidden;
    QImage m_image;
    QByteArray m_packed;  // m_image's bytes, compressed; empty when nothing is packed
    QSize m_packedSize;
    qreal m_packedRatio = 0;
};
