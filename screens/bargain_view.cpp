// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/bargain_view.h"

#include "screens/bargain_form.h"
#include "widgets/flat_button.h"
#include "widgets/fonts.h"
#include "widgets/svg_picture.h"
#include "widgets/widget_kit.h"
#include "core/pause.h"
#include "widgets/pause_card.h"

#include <QLabel>
#include <QPlainTextEdit>

BargainView::BargainView(BargainForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher, true)
{
    setLetterbox(QColor(0, 0, 0));  // the black of its stage
    (new SvgPicture(QStringLiteral(":/assets/bargain.svg"), this))->setGeometry(rect());
    auto* words = Kit::textBox(this, 36, 186, 142, 77, Fonts::standard(), Qt::white, Qt::black, true);
    m_binder.textBox(f.hostSpeech, words);

    auto* box = new FlatButton(this);
    box->setGeometry(80, 360, 169, 89);
    box->setAccessibleName(QStringLiteral("Чёрный ящик: отказаться от денег"));
    connect(box, &QAbstractButton::clicked, this, [this, &f] { press(f.blackBox, [&f] { f.blackBoxClicked(); }); });
    m_binder.plain(f.blackBox, box);
    addHint(box);

    auto* money = new FlatButton(this);
    money->setGeometry(336, 360, 201, 89);
    money->setAccessibleName(QStringLiteral("Деньги: взять деньги"));
    connect(money, &QAbstractButton::clicked, this, [this, &f] { press(f.money, [&f] { f.moneyClicked(); }); });
    m_binder.plain(f.money, money);
    addHint(money);
    // In a pause the card covers the whole screen; the pause keys end it.
    auto* card = new PauseCard(this, rect(), QStringLiteral("Pause или F12 — продолжить игру"));
    m_binder.label(f.pause().card, card);
    Pause& pause = f.pause();
    pauseWith(pause.key, [&pause] { pause.toggle(); });
}

// What a click does, from the picture's accessible name ("Деньги: взять деньги"):
// the whole name as its tooltip, and what it does written under it, so a player
// need not guess which picture refuses and which takes.
void BargainView::addHint(QWidget* picture)
{
    const QString name = picture->accessibleName();
    picture->setToolTip(name);
    QString deed = name.mid(name.indexOf(QLatin1Char(':')) + 1).trimmed();
    deed[0] = deed[0].toUpper();
    const QRect at = picture->geometry();
    QLabel* hint = Kit::label(this, at.x(), at.bottom() + 1, at.width(), 14, Fonts::font(Fonts::Face::Sans, 11, true),
                              QColor(0x1f, 0x5f, 0x8f));
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setText(deed);
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
}
