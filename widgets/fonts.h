// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The screens were laid out for Times New Roman, Arial and MS Sans Serif at
// fixed pixel sizes; these are their metric-compatible free stand-ins.
namespace Fonts {
enum class Face { Serif, Sans, System };
QFont font(Face face, int pixelSize, bool bold = false, bool italic = false);
// MS Sans Serif 8 pt, the screens' default.
QFont standard();
}
