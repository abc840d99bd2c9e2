#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A still picture drawn from an SVG at its natural size from the top-left
// corner, rendered on first paint (not at start-up) and again only when the
// device pixel ratio changes, so it stays sharp at any scale.
class SvgPicture : public QWidget {
public:
    SvgPicture(const QString& resource, QWidget* parent);
    // An SVG rendered to a pixmap of `size` logical pixels at `ratio`.
    static QPixmap render(const QString& resource, QSize size, qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QPixmap m_cache;
};
