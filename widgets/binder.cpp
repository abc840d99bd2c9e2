// SPDX-License-Identifier: GPL-3.0-or-later
// Mirroring controls onto their widgets, touching only what changed.
#include "widgets/binder.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void Binder::label(const Control& c, QLabel* w, bool colour)
{
    // A label's text is what a player typed or a base holds, never markup: a name
    // "<h1>Я" shows as those characters, not as a heading.
    w->setTextFormat(Qt::PlainText);
    m_bindings.push_back({&c, w, [colour](const Control& c, QWidget* w) {
                              auto* l = static_cast<QLabel*>(w);
                              if (l->text() != c.text)
                                  l->setText(c.text);
                              if (colour) {
                                  const QColor want(QRgb(0xFF000000u | static_cast<unsigned>(c.fontColor)));
                                  if (l->palette().color(QPalette::WindowText) != want) {
                                      QPalette p = l->palette();
                                      p.setColor(QPalette::WindowText, want);
                                      l->setPalette(p);
                                  }
                              }
                          }});
}

void Binder::button(const Control& c, QAbstractButton* w)
{
    m_bindings.push_back({&c, w, [](const Control& c, QWidget* w) {
                              auto* b = static_cast<QAbstractButton*>(w);
                              if (b->text() != c.text)
                                  b->setText(c.text);
                          }});
}

void Binder::lineEdit(const Control& c, QLineEdit* w)
{
    m_bindings.push_back({&c, w, [](const Control& c, QWidget* w) {
                              auto* e = static_cast<QLineEdit*>(w);
                              if (e->text() != c.text)
                                  e->setText(c.text);
                          }});
}

void Binder::textBox(const Control& c, QPlainTextEdit* w)
{
    m_bindings.push_back({&c, w, [](const Control& c, QWidget* w) {
                              auto* t = static_cast<QPlainTextEdit*>(w);
                              if (t->toPlainText() != c.text)
                                  t->setPlainText(c.text);
                          }});
}

void Binder::plain(const Control& c, QWidget* w)
{
    m_bindings.push_back({&c, w, nullptr});
}

void Binder::sync()
{
    for (const Binding& b : m_bindings) {
        if (b.text)
            b.text(*b.control, b.widget);
        if (b.widget->isEnabled() != b.control->enabled)
            b.widget->setEnabled(b.control->enabled);
        if (b.widget->isVisibleTo(b.widget->parentWidget()) != b.control->visible)
            b.widget->setVisible(b.control->visible);
    }
}
