// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens ask of an X11 window manager and learn from it. Elsewhere
// (Wayland, the offscreen platform of the tests) every call does nothing.
#pragma once

#include <QMargins>

class QWidget;

namespace WindowManager {

// Asks, in each way a manager reads, for a caption bar with no buttons and
// for moving alone (and resizing, if `resizable`): the window type, the
// Motif hints for decorations and functions, and the allowed actions. Call
// once the native window exists and before it is mapped.
void askForPlainCaption(QWidget* window, bool resizable);

// The frame the manager puts around `window`: read once the window is on
// screen, or else asked for ahead of mapping (if the manager answers such a
// request, within a few milliseconds). Null when there is no manager or no
// answer.
QMargins frameExtents(QWidget* window);

}
