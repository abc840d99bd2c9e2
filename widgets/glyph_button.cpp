// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a round glyph button from its SVG glyphs.
#include "widgets/glyph_button.h"

#include "widgets/svg_picture.h"

#include <QPainter>

GlyphButton::GlyphButton(QWidget* parent, const QString& checkedGlyph, const QString& uncheckedGlyph)
    : HoverButton(parent), m_checkedGlyph(checkedGlyph), m_uncheckedGlyph(uncheckedGlyph)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
}

void GlyphButton::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_glyph.isNull() || m_glyphChecked != isChecked() || m_glyph.devicePixelRatio() != ratio ||
        m_glyph.deviceIndependentSize().toSize() != size()) {
        m_glyphChecked = isChecked();
        m_glyph = SvgPicture::render(m_glyphChecked ? m_checkedGlyph : m_uncheckedGlyph, size(), ratio);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A button that cannot be used now is drawn faded, like a greyed one.
    if (!isEnabled())
        p.setOpacity(0.4);
    p.drawPixmap(0, 0, m_glyph);
    if (hovered() && isEnabled()) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.2 * width() / 26.0));
        p.setBrush(Qt::NoBrush);
        const qreal inset = 0.8 * width() / 26.0;
        p.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}
