// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The one window the game shows in full screen. Each screen's window is laid
// into it as its content while the mode lasts, and the screens take turns on
// it: a change of screen repaints this window's pixels, where a window of its
// own per screen would be mapped anew with a new screen-sized buffer to make,
// fill and hand to the display server on every change.
class FullScreenStage : public QWidget {
public:
    FullScreenStage();
    // Covers the screen the game is on and comes on view.
    void open();
    // Leaves the screen and gives its buffer back.
    void leave();

protected:
    // The screens it holds cover it whole, letterbox and all.
    void resizeEvent(QResizeEvent* event) override;
    // Left only as the screens say, as their own windows are.
    void closeEvent(QCloseEvent* event) override;
};
