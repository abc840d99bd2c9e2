// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, with two changes to the style it wraps:
// - Scaled full screen, scroll bars, sliders and drop-down boxes are drawn
//   and measured as large as the rest of their screen (the style sizes them
//   by the font's resolution, which stays that of the desktop).
// - What costs most to draw at full-screen sizes is drawn once into a picture
//   kept in the pixmap cache: text over 64 pixels high (see KeptText), in
//   labels, buttons and boxes; scroll bars, whose length the style fills with
//   gradients on every paint (a few milliseconds a bar at full-screen
//   height), though a bar at rest looks the same from frame to frame.
// - A wide button's panel is kept narrow: Fusion fills it with a gradient
//   from top to bottom, so every column between its rounded ends is the same,
//   and one column is stretched between the two ends. A full-screen menu
//   button kept whole is 3 MiB a state at 3840 × 2160, and four of them
//   pushed the other screens' pieces out of the pixmap cache.
// Everything else is the style's own; windowed, nothing differs from it.
class GameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& pos,
                                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Wraps the application's style (once).
    static void install();

private:
    void drawKeptScrollBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
    bool drawNarrowButtonPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
};
