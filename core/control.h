// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The state of one on-screen control, kept as plain data so that every rule
// can be driven and checked without a display. A view mirrors it onto a widget.
struct Control {
    bool visible = true;
    bool enabled = true;
    QString text;
    int fontColor = 0;  // 0xRRGGBB, where the colour tells something (whose turn it is); fixed colours are the view's

    void show() { visible = true; }
    void hide() { visible = false; }
    void enable() { enabled = true; }
    void disable() { enabled = false; }
};

namespace Colors {
constexpr int Black = 0x000000;
constexpr int Red = 0xFF0000;
}
