// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/hover_button.h"

#include <QPixmap>
#include <QString>

// A small round button drawn from one of two SVG glyphs, the first while it
// is checked, at its own size and the screen's pixel ratio, faded while
// disabled; a light ring while the mouse is over it. Never takes the keyboard
// focus.
class GlyphButton : public HoverButton {
public:
    GlyphButton(QWidget* parent, const QString& checkedGlyph, const QString& uncheckedGlyph);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QString m_checkedGlyph, m_uncheckedGlyph;
    QPixmap m_glyph;
    bool m_glyphChecked = false;
};
