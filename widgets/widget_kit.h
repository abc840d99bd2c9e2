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
// A push button that never takes the keyboard focus, with an optional picture.
QPushButton* button(QWidget* parent, int x, int y, int w, int h, const QString& icon = QString(), bool focus = false);
void setColours(QWidget* w, QColor text, QColor background);
}
