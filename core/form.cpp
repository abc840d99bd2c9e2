// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's own state: shown or hidden, enabled or not, its caption and size,
// and the switch from one screen to another.
#include "core/form.h"

Form::Form(const QString& caption, int clientWidth, int clientHeight)
    : m_caption(caption), m_width(clientWidth), m_height(clientHeight)
{
}

void Form::switchTo(Form& other)
{
    window.visible = false;
    window.enabled = false;
    other.window.enabled = true;
    other.window.visible = true;
}
