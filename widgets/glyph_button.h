// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/hover_button.h"

#include <QPixmap>
#include <QString>

// A round button of the studio drawn from one of two SVG glyphs: the first
// while it is checked, the second while not (the speaker with its sound
// waves or crossed out; the pause bars, or the sign to play on). Drawn at the
// screen's pixel ratio, faded while disabled; a light ring while the mouse is
// over it. Never takes the keyboard focus.
class GlyphButton : public HoverButton {
public:
    GlyphButton(QWidget* parent, const QString& checkedGlyph, const QString& uncheckedGlyph);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_checkedGlyph, m_uncheckedGlyph;
    QPixmap m_glyph;
    bool m_glyphChecked = false;
};
