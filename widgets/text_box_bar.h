// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPlainTextEdit;

namespace TextBoxBar {

// The range a text box's vertical scroll bar will have once the box is shown.
// A hidden box counts every line but the first as a place to scroll to; a
// shown one only the lines past its last full page, and it takes that page's
// lines as the bar's page step. The box must have been laid out at its size
// (drawn once, even off screen).
struct Range {
    int maximum = 0;
    int pageStep = 0;
};
Range shownRange(const QPlainTextEdit& box);

// Draws the box's vertical bar, while the box is hidden, as it will look when
// shown: the style keeps the picture, and the first frame finds it instead of
// drawing the bar anew. The bar's own state is left as it was. A wrong guess
// costs only that picture.
void drawAsShown(QPlainTextEdit& box);

}
