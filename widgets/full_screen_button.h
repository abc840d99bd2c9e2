// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/glyph_button.h"

// The small round button that switches to full screen (four corners opening
// out) and back (checked: the corners closing in), as F11 does.
class FullScreenButton : public GlyphButton {
public:
    explicit FullScreenButton(QWidget* parent);
};
