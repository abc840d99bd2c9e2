#include "flat_button.h"

#include <QEnterEvent>
#include <QPainter>

FlatButton::FlatButton(QWidget* parent, bool frameOnHover) : QAbstractButton(parent), m_frameOnHover(frameOnHover)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect(), Qt::AlignCenter, text());
    }
    if (m_frameOnHover && m_hover && isEnabled()) {
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
