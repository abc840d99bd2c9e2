// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// A button drawn by hand that knows whether the mouse is over it. Never takes
// the keyboard focus.
class HoverButton : public QAbstractButton {
public:
    explicit HoverButton(QWidget* parent);

protected:
    bool hovered() const { return m_hover; }
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hover = false;
};
