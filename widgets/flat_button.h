// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/hover_button.h"

// A flat button over a picture: no face of its own, an optional caption
// drawn straight onto the picture, and a thin raised frame while the mouse is
// over it. Never takes the keyboard focus.
class FlatButton : public HoverButton {
public:
    explicit FlatButton(QWidget* parent, bool frameOnHover = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_frameOnHover;
};
