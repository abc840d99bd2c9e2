// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up screen's widgets: the name boxes, the rounds box and slider, "OK".
#include "screens/setup_view.h"

#include "widgets/fonts.h"
#include "screens/setup_form.h"
#include "widgets/widget_kit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

SetupView::SetupView(SetupForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher, true)
{
    const QColor text = palette().color(QPalette::WindowText);
    m_binder.label(f.nameCaptions[0], Kit::label(this, 16, 16, 107, 13, Fonts::standard(), text));
    m_binder.label(f.nameCaptions[1], Kit::label(this, 128, 16, 106, 13, Fonts::standard(), text));
    m_binder.label(f.nameCaptions[2], Kit::label(this, 240, 16, 111, 13, Fonts::standard(), text));
    m_binder.label(f.roundsCaption, Kit::label(this, 138, 64, 81, 13, Fonts::standard(), text));

    QPushButton* ok = Kit::button(this, 136, 152, 89, 25, QStringLiteral(":/assets/icons/yes.svg"), true);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, &f] { press(f.okButton, [&f] { f.okClicked(); }); });
    m_binder.button(f.okButton, ok);

    const std::array<QLineEdit*, 3> names = addNameBoxes(f, ok);
    m_names = names;
    QLineEdit* rounds = addRoundsBox(f, ok);
    QSlider* level = addRoundsSlider(f);

    setTabOrder(names[0], ok);
    setTabOrder(ok, names[1]);
    setTabOrder(names[1], names[2]);
    setTabOrder(names[2], rounds);
    setTabOrder(rounds, level);
    names[0]->setFocus();
}

std::array<QLineEdit*, 3> SetupView::addNameBoxes(SetupForm& f, QPushButton* ok)
{
    std::array<QLineEdit*, 3> names{};
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("name%1").arg(i + 1));
        e->setGeometry(40 + 112 * i, 32, 57, 21);
        e->setMaxLength(SetupForm::NameLength);
        Control* c = &f.nameBoxes[static_cast<std::size_t>(i)];
        connect(e, &QLineEdit::textEdited, this, [this, c](const QString& t) { press(*c, [c, t] { c->text = t; }); });
        connect(e, &QLineEdit::returnPressed, ok, &QPushButton::click);
        m_binder.lineEdit(*c, e);
        names[static_cast<std::size_t>(i)] = e;
    }
    return names;
}

QLineEdit* SetupView::addRoundsBox(SetupForm& f, QPushButton* ok)
{
    auto* rounds = new QLineEdit(this);
    rounds->setGeometry(170, 81, 17, 24);
    rounds->setReadOnly(true);
    rounds->setFont(Fonts::font(Fonts::Face::System, 13));
    rounds->setTextMargins(0, 0, 0, 0);
    connect(rounds, &QLineEdit::returnPressed, ok, &QPushButton::click);
    m_binder.lineEdit(f.roundsBox, rounds);
    return rounds;
}

QSlider* SetupView::addRoundsSlider(SetupForm& f)
{
    auto* level = new QSlider(Qt::Horizontal, this);
    level->setGeometry(105, 112, 150, 28);
    level->setRange(0, SetupForm::RoundsSliderMax);
    level->setPageStep(1);
    level->setTickPosition(QSlider::TicksBelow);
    level->setTickInterval(1);
    level->setValue(f.roundsSlider);
    level->setAccessibleName(QStringLiteral("Количество раундов"));
    // The slider has no state of its own in the screen: it can be used whenever the screen can.
    connect(level, &QSlider::valueChanged, this, [this, &f](int v) { press(f.window, [&f, v] { f.roundsSliderMoved(v); }); });
    return level;
}

void SetupView::showEvent(QShowEvent* event)
{
    ScreenView::showEvent(event);
    for (QLineEdit* name : m_names)
        name->selectAll();
}
