// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the pause card: the veil, the plate, its two lines.
#include "widgets/pause_card.h"

#include "widgets/fonts.h"

#include <QPainter>

namespace {
const QColor VeilTop(27, 11, 56);     // the studio's night purple, opaque: nothing shows through
const QColor VeilFoot(52, 22, 92);
const QColor Plate(166, 202, 240);   // the banner's sky blue
const QColor Ink(0, 0, 128);         // and its navy
constexpr int PlateWidth = 340, PlateHeight = 128;
}

PauseCard::PauseCard(QWidget* parent, const QRect& area, const QString& hint)
    : QLabel(parent), m_hint(hint), m_ownWidth(area.width())
{
    setObjectName(QStringLiteral("pauseCard"));
    setGeometry(area);
    hide();
}

void PauseCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient veil(0, 0, 0, height());
    veil.setColorAt(0, VeilTop);
    veil.setColorAt(1, VeilFoot);
    p.fillRect(rect(), veil);
    // Full screen scales the window as one picture: the plate and its text with it.
    const qreal k = qreal(width()) / m_ownWidth;
    p.scale(k, k);
    const QRectF plate((m_ownWidth - PlateWidth) / 2.0, (height() / k - PlateHeight) / 2.0, PlateWidth, PlateHeight);
    p.setPen(QPen(QColor(224, 160, 32), 3));  // the gold of the studio's rims
    p.setBrush(Plate);
    p.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
    p.setPen(Ink);
    p.setFont(Fonts::font(Fonts::Face::Serif, 64, false, true));
    p.drawText(plate.adjusted(0, 4, 0, -36), Qt::AlignCenter, text());
    p.setFont(Fonts::font(Fonts::Face::Sans, 14, true));
    p.drawText(plate.adjusted(0, PlateHeight - 40, 0, -10), Qt::AlignCenter, m_hint);
}
