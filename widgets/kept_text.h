// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRect;
class QString;

// Qt keeps drawn glyphs only up to 64 pixels high and fills every larger one
// as a curve on each paint. Full screen the menu's buttons, the titles and
// the labels are 70-170 pixels high, and each such text took a few
// milliseconds of every frame that showed it. Text that large is drawn once
// into a picture kept in the pixmap cache, and the picture is drawn after.
namespace KeptText {

// As painter->drawText(rect, flags, text), in the painter's font and pen.
void draw(QPainter* painter, const QRect& rect, int flags, const QString& text);

}
