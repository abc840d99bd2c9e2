// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/hover_button.h"

#include <QPixmap>

// The studio's round speaker button: the speaker with its sound waves while
// the sound is on (checked), crossed out while it is off. Drawn from its SVG
// glyphs at the screen's pixel ratio; a light ring while the mouse is over it.
// Never takes the keyboard focus.
class SpeakerButton : public HoverButton {
public:
    explicit SpeakerButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_glyph;
    bool m_glyphOn = false;
};
