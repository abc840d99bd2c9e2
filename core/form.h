// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"

#include <QString>

// Who presses a control: a person with the mouse or the keyboard, or a
// computer player, which presses through the same guard.
enum class Hand { Person, Computer };

// Base of every screen: the screen's own visibility and enabled state, its
// caption and client size. Screens are created once and only shown and hidden.
// A switch from one screen to another hides and disables the first, then
// enables and shows the second.
class Form {
public:
    Form(const QString& caption, int clientWidth, int clientHeight);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& caption() const { return m_caption; }
    int clientWidth() const { return m_width; }
    int clientHeight() const { return m_height; }

    bool isVisible() const { return window.visible; }
    bool isEnabled() const { return window.enabled; }
    void showScreen() { window.enabled = true; window.visible = true; }
    void hideScreen() { window.visible = false; window.enabled = false; }
    void switchTo(Form& other);
    // Whether `control` is the computer's to press just now: a computer
    // player has the move there, and a person's click or key is refused.
    virtual bool heldByComputer(const Control& control) const
    {
        (void)control;
        return false;
    }

    // visible/enabled of the window itself; every screen starts hidden and disabled.
    Control window{false, false, {}, 0};

private:
    QString m_caption;
    int m_width;
    int m_height;
};
