// SPDX-License-Identifier: GPL-3.0-or-later
// Makers of labels, buttons and text boxes at a parent's pixel positions.
#include "widgets/widget_kit.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Kit {

void setColours(QWidget* w, QColor text, QColor background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QLabel* label(QWidget* parent, int x, int y, int w, int h, const QFont& font, QColor text, QColor background)
{
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, h);
    l->setFont(font);
    setColours(l, text, background);
    return l;
}

QPlainTextEdit* textBox(QWidget* parent, int x, int y, int w, int h, const QFont& font, QColor text, QColor background,
                        bool scroll, bool border)
{
    auto* t = new QPlainTextEdit(parent);
    t->setGeometry(x, y, w, h);
    t->setFont(font);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::ClickFocus);
    t->setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    if (!border)
        t->setFrameShape(QFrame::NoFrame);
    t->document()->setDocumentMargin(2);
    setColours(t, text, background);
    return t;
}

QPushButton* button(QWidget* parent, int x, int y, int w, int h, const QString& icon, bool focus)
{
    auto* b = new QPushButton(parent);
    b->setGeometry(x, y, w, h);
    b->setFocusPolicy(focus ? Qt::StrongFocus : Qt::NoFocus);
    if (!icon.isEmpty()) {
        b->setIcon(QIcon(icon));
        b->setIconSize(QSize(16, 16));
    }
    return b;
}

}
