// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/glyph_button.h"

// The studio's round speaker button: the speaker with its sound waves while
// the sound is on (checked), crossed out while it is off.
class SpeakerButton : public GlyphButton {
public:
    explicit SpeakerButton(QWidget* parent);
};
