// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, with what costs most to draw at full-screen sizes
// drawn once into a picture kept in the pixmap cache:
// - text over 64 pixels high (see KeptText), in labels, buttons and boxes;
// - scroll bars: the style fills each one's length with gradients, a few
//   milliseconds a bar at full-screen height, though a bar at rest looks the
//   same from frame to frame.
// Everything else is the style's own.
class KeptStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // Wraps the application's style (once).
    static void install();
};
