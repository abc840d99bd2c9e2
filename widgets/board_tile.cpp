// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a board tile: the face, the highlight and the gold of a tile that may be chosen.
#include "widgets/board_tile.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

BoardTile::BoardTile(QWidget* parent) : HoverButton(parent)
{
}

void BoardTile::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled())
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    HoverButton::changeEvent(event);
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
    // A tile that may be chosen shows it without the mouse over it (a
    // touchpad has no hover): a gold body, brighter still under the pointer.
    body.setColorAt(0.0, !choosable ? QColor(60, 60, 66) : hovered() ? QColor(235, 175, 30) : QColor(150, 105, 10));
    body.setColorAt(0.55, choosable ? QColor(60, 40, 4) : QColor(8, 8, 10));
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

    p.setPen(QPen(choosable ? QColor(255, 215, 60) : QColor(255, 255, 255, 90), choosable ? 2.0 : 0.8));
    p.drawPath(shape);
}
