// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QPaintDevice;

// The screens were laid out for Times New Roman, Arial and MS Sans Serif at
// fixed pixel sizes; these are their metric-compatible free stand-ins.
namespace Fonts {
enum class Face { Serif, Sans, System };
QFont font(Face face, int pixelSize, bool bold = false, bool italic = false);
// MS Sans Serif 8 pt, the screens' default.
QFont standard();
// `font`, made smaller a pixel at a time (down to 6 px) until `text` fits on one line
// of `room` pixels as `device` draws it.
QFont fitted(QFont font, const QString& text, qreal room, const QPaintDevice* device);
}
