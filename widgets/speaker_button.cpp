// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the speaker button from its SVG glyphs.
#include "widgets/speaker_button.h"

#include "widgets/svg_picture.h"

#include <QPainter>

SpeakerButton::SpeakerButton(QWidget* parent) : HoverButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
}

void SpeakerButton::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_glyph.isNull() || m_glyphOn != isChecked() || m_glyph.devicePixelRatio() != ratio) {
        m_glyphOn = isChecked();
        m_glyph = SvgPicture::render(m_glyphOn ? QStringLiteral(":/assets/icons/sound_on.svg")
                                               : QStringLiteral(":/assets/icons/sound_off.svg"),
                                     size(), ratio);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(0, 0, m_glyph);
    if (hovered() && isEnabled()) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(rect()).adjusted(0.8, 0.8, -0.8, -0.8));
    }
}
