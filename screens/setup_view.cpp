// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up screen's widgets: the name boxes, the rounds box and slider, "OK".
#include "screens/setup_view.h"

#include "widgets/fonts.h"
#include "screens/setup_form.h"
#include "widgets/widget_kit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {
// A column per place, wide enough for its list of who plays it («Компьютер:
// новичок»); the lists push the rounds and "OK" KindRow down.
constexpr int Margin = 10, Column = 146, KindRow = 28;
constexpr int Middle = Margin + 3 * Column / 2;

int columnLeft(int place)
{
    return Margin + Column * place;
}

// Left edge of a thing `width` wide centred in its column.
int inColumn(int place, int width)
{
    return columnLeft(place) + (Column - width) / 2;
}
}

SetupView::SetupView(SetupForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher, true), m_setup(f)
{
    const QColor text = palette().color(QPalette::WindowText);
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = Kit::label(this, inColumn(i, 112), 16, 112, 13, Fonts::standard(), text);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_binder.label(f.nameCaptions[static_cast<std::size_t>(i)], caption);
    }
    QLabel* roundsCaption = Kit::label(this, Middle - 45, 64 + KindRow, 90, 13, Fonts::standard(), text);
    roundsCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_binder.label(f.roundsCaption, roundsCaption);

    QPushButton* ok = Kit::button(this, Middle - 44, 152 + KindRow, 89, 25, QStringLiteral(":/assets/icons/yes.svg"), true);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, &f] { press(f.okButton, [&f] { f.okClicked(); }); });
    m_binder.button(f.okButton, ok);

    const std::array<QLineEdit*, 3> names = addNameBoxes(f, ok);
    m_names = names;
    const std::array<QComboBox*, 3> kinds = addKindLists(f);
    m_kinds = kinds;
    QLineEdit* rounds = addRoundsBox(f, ok);
    QSlider* level = addRoundsSlider(f);

    // Each list right after its name, so Tab goes name, who plays it, next.
    setTabOrder(names[0], kinds[0]);
    setTabOrder(kinds[0], ok);
    setTabOrder(ok, names[1]);
    setTabOrder(names[1], kinds[1]);
    setTabOrder(kinds[1], names[2]);
    setTabOrder(names[2], kinds[2]);
    setTabOrder(kinds[2], rounds);
    setTabOrder(rounds, level);
    names[0]->setFocus();
}

std::array<QLineEdit*, 3> SetupView::addNameBoxes(SetupForm& f, QPushButton* ok)
{
    std::array<QLineEdit*, 3> names{};
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("name%1").arg(i + 1));
        e->setGeometry(inColumn(i, 57), 32, 57, 21);
        e->setMaxLength(SetupForm::NameLength);
        Control* c = &f.nameBoxes[static_cast<std::size_t>(i)];
        connect(e, &QLineEdit::textEdited, this, [this, c](const QString& t) { press(*c, [c, t] { c->text = t; }); });
        connect(e, &QLineEdit::returnPressed, ok, &QPushButton::click);
        m_binder.lineEdit(*c, e);
        names[static_cast<std::size_t>(i)] = e;
    }
    return names;
}

std::array<QComboBox*, 3> SetupView::addKindLists(SetupForm& f)
{
    static const char* const places[] = {"Первый игрок", "Второй игрок", "Третий игрок"};
    std::array<QComboBox*, 3> kinds{};
    for (int i = 0; i < 3; ++i) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("kind%1").arg(i + 1));
        list->setGeometry(inColumn(i, Column - 6), 58, Column - 6, 22);
        list->setFont(Fonts::standard());
        list->addItems(SetupForm::playerKindNames());
        list->setAccessibleName(QString::fromUtf8(places[i]) + QStringLiteral(": человек или компьютер"));
        list->setToolTip(QStringLiteral("Кто играет: человек или компьютер (новичок, знаток, эрудит)"));
        Control* c = &f.playerKindBoxes[static_cast<std::size_t>(i)];
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, c, &f, i](int kind) { press(*c, [&f, i, kind] { f.playerKindChosen(i, kind); }); });
        m_binder.plain(*c, list);
        kinds[static_cast<std::size_t>(i)] = list;
    }
    return kinds;
}

QLineEdit* SetupView::addRoundsBox(SetupForm& f, QPushButton* ok)
{
    auto* rounds = new QLineEdit(this);
    rounds->setGeometry(Middle - 8, 81 + KindRow, 17, 24);
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
    level->setGeometry(Middle - 75, 112 + KindRow, 150, 28);
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

void SetupView::sync()
{
    ScreenView::sync();
    // The lists follow the screen; what the screen already knows is not reported back.
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        if (m_kinds[i]->currentIndex() != m_setup.playerKinds[i]) {
            const QSignalBlocker quiet(m_kinds[i]);
            m_kinds[i]->setCurrentIndex(m_setup.playerKinds[i]);
        }
    }
}

void SetupView::showEvent(QShowEvent* event)
{
    ScreenView::showEvent(event);
    for (QLineEdit* name : m_names)
        name->selectAll();
}
