// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Small makers for the widgets the screens are built of, placed at pixel
// positions of their parent.
namespace Kit {
QLabel* label(QWidget* parent, int x, int y, int w, int h, const QFont& font, QColor text,
              QColor background = QColor());
// A read-only text box; `scroll` gives it a vertical scroll bar.
QPlainTextEdit* textBox(QWidget* parent, int x, int y, int w, int h, const QFont& font, QColor text, QColor background,
                        bool scroll, bool border = false);
// A push button with an optional picture; it takes the keyboard focus only
// when `focus` is set (a screen's own buttons), never for the studio's.
QPushButton* button(QWidget* parent, int x, int y, int w, int h, const QString& icon = QString(), bool focus = false);
void setColours(QWidget* w, QColor text, QColor background);
}
