// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-drawn button that tracks the mouse over it.
#include "widgets/hover_button.h"

#include <QEnterEvent>

HoverButton::HoverButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void HoverButton::enterEvent(QEnterEvent* event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
