// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/hover_button.h"

// A tile of the board: a black rounded tile with a glossy highlight that
// covers its letter. While it may be chosen (the "+" sector) it is gold, and
// glows brighter under the mouse.
class BoardTile : public HoverButton {
public:
    explicit BoardTile(QWidget* parent);
    QSize sizeHint() const override { return {21, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
};
