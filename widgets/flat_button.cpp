// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a flat button over a picture: its caption and, under the mouse, its frame.
#include "widgets/flat_button.h"

#include "widgets/kept_text.h"

#include <QPainter>

FlatButton::FlatButton(QWidget* parent, bool frameOnHover) : HoverButton(parent), m_frameOnHover(frameOnHover)
{
    setCursor(Qt::PointingHandCursor);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        KeptText::draw(&p, rect(), Qt::AlignCenter, text());
    }
    if (m_frameOnHover && hovered() && isEnabled()) {
        // A thin raised frame: light at the top and left, dark at the bottom and right.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(255, 255, 255, 230));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(0, 0, 0, 200));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}
