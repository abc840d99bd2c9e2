// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"

#include <functional>
#include <vector>

class QWidget;
class QLabel;
class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;

// Mirrors controls onto widgets: visibility, enabled state, text and font
// colour. A view binds each widget once; sync() is cheap when nothing changed.
class Binder {
public:
    // Shown as plain text, whatever characters it holds.
    void label(const Control& c, QLabel* w, bool colour = false);
    void button(const Control& c, QAbstractButton* w);
    void lineEdit(const Control& c, QLineEdit* w);
    void textBox(const Control& c, QPlainTextEdit* w);
    // Visibility and enabled state only.
    void plain(const Control& c, QWidget* w);

    void sync();

private:
    struct Binding {
        const Control* control;
        QWidget* widget;
        std::function<void(const Control&, QWidget*)> text;
    };
    std::vector<Binding> m_bindings;
};
