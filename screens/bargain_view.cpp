// SPDX-License-Identifier: GPL-3.0-or-later
#include "bargain_view.h"

#include "bargain_form.h"
#include "flat_button.h"
#include "fonts.h"
#include "svg_picture.h"
#include "widget_kit.h"

#include <QPlainTextEdit>

BargainView::BargainView(BargainForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher, true)
{
    (new SvgPicture(QStringLiteral(":/assets/bargain.svg"), this))->setGeometry(rect());
    auto* words = Kit::textBox(this, 36, 186, 142, 77, Fonts::standard(), Qt::white, Qt::black, true);
    m_binder.textBox(f.hostSpeech, words);

    auto* box = new FlatButton(this);
    box->setGeometry(80, 360, 169, 89);
    box->setAccessibleName(QStringLiteral("Чёрный ящик: отказаться от денег"));
    connect(box, &QAbstractButton::clicked, this, [this, &f] { press(f.blackBox, [&f] { f.blackBoxClicked(); }); });
    m_binder.plain(f.blackBox, box);

    auto* money = new FlatButton(this);
    money->setGeometry(336, 360, 201, 89);
    money->setAccessibleName(QStringLiteral("Деньги: взять деньги"));
    connect(money, &QAbstractButton::clicked, this, [this, &f] { press(f.money, [&f] { f.moneyClicked(); }); });
    m_binder.plain(f.money, money);
}
