#include "board_tile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

BoardTile::BoardTile(QWidget* parent) : HoverButton(parent)
{
}

void BoardTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(r.width(), r.height()) / 2.0;
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);

    const bool choosable = isEnabled();
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0.0, choosable && hovered() ? QColor(90, 70, 10) : QColor(60, 60, 66));
    body.setColorAt(0.55, QColor(8, 8, 10));
    body.setColorAt(1.0, QColor(0, 0, 0));
    p.fillPath(shape, body);

    // The sheen: a light band over the upper half.
    QPainterPath sheen;
    const QRectF band(r.left() + 2.5, r.top() + 2, r.width() - 5, r.height() * 0.42);
    sheen.addRoundedRect(band, band.width() / 2, band.height() / 2);
    QLinearGradient light(band.topLeft(), band.bottomLeft());
    light.setColorAt(0.0, QColor(255, 255, 255, 170));
    light.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillPath(sheen, light);

    p.setPen(QPen(choosable ? QColor(255, 200, 40) : QColor(255, 255, 255, 90), choosable ? 1.4 : 0.8));
    p.drawPath(shape);
}
