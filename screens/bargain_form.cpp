// SPDX-License-Identifier: GPL-3.0-or-later
#include "bargain_form.h"

#include "runtime.h"
#include "studio_form.h"

namespace {

struct OfferText {
    int base;
    const char* before;
    const char* after;
};

const OfferText offers[12] = {
    {10, "Я вам предлагаю ", " и мы не открываем чёрный ящик. Вы согласны?"},
    {334, "", " очков за то что лежит в этом ящике. Хотите??"},
    {667, "Всё, в последний раз спрашиваю ", " очков хотите? И не открываем этот ящик."},
    {1001, "Так, я вам предложил  ", " очков и вы выбрали?"},
    {1334, "", " очков вам достаточно?"},
    {1668, "А ", " ?"},
    {2001, "", " очков?"},
    {2334, "А ", " вам хватит?"},
    {2667, "Сколько вам нужно? Я вам предложил  ", " очков и вы отказались. Да?"},
    {3001, "Я вам предлагал ", " очков и вы выбрали приз. Да?"},
    {3334, "Как я понял, вы отказываетесь от приза за ", " очков и берёте деньги?"},
    {3667, "", " очков и мы прекращаем торги?"},
};

}

BargainForm::BargainForm(Runtime& runtime)
    : Form(QStringLiteral("Торги"), 592, 469),
      Timer1(runtime, QStringLiteral("Timer1"), 1000, [this] { Timer1Timer(); }),
      Timer2(runtime, QStringLiteral("Timer2"), 3000, [this] { Timer2Timer(); }),
      Timer3(runtime, QStringLiteral("Timer3"), 3000, [this] { Timer3Timer(); }),
      m_runtime(runtime)
{
    Slova.text = QStringLiteral("Вы выбрали приз! Чёрный \nящик в студию!");
    SpeedButton1.enabled = false;
    SpeedButton2.enabled = false;
}

int BargainForm::offerBase(int step)
{
    return step >= 1 && step <= 12 ? offers[step - 1].base : 0;
}

int BargainForm::offerSpread(int step)
{
    return step == 1 ? 324 : 333;
}

void BargainForm::Timer1Timer()
{
    Timer1.stop();
    OfferStep = 0;
    OfferAmount = 0;
    SpeedButton1.disable();
    SpeedButton2.disable();
    OfferLimit = 3 + m_runtime.random.below(10);
    NextOffer();
}

void BargainForm::NextOffer()
{
    const int refusedOffer = OfferAmount;
    ++OfferStep;
    AskedAgain = false;
    Slova.text.clear();
    if (OfferStep >= 1 && OfferStep <= 12) {
        const OfferText& offer = offers[OfferStep - 1];
        OfferAmount = offer.base + m_runtime.random.below(offerSpread(OfferStep));
        Slova.text = QString::fromUtf8(offer.before) + QString::number(OfferAmount) + QString::fromUtf8(offer.after);
        BlackBoxPoints = 10 + m_runtime.random.below(OfferAmount + 200);
    }
    SpeedButton1.enable();
    SpeedButton2.enable();
    if (OfferStep == OfferLimit + 1) {
        Slova.text = QStringLiteral("Вы выбрали приз и ваш выииграш состовляет - ") + QString::number(BlackBoxPoints) +
                     QStringLiteral(" очков!");
        SpeedButton1.disable();
        SpeedButton2.disable();
        Timer2.start();
        // The box is open: did refusing the money pay?
        m_runtime.sound.play(BlackBoxPoints > refusedOffer ? Sound::Win : Sound::Lose);
    }
}

void BargainForm::SpeedButton1Click()
{
    if (SpeedButton1.enabled)
        NextOffer();
}

void BargainForm::SpeedButton2Click()
{
    if (!SpeedButton2.enabled)
        return;
    if (!AskedAgain) {
        AskedAgain = true;
        AskAgain();
    } else {
        TakeMoney();
    }
}

void BargainForm::AskAgain()
{
    Slova.text = QStringLiteral("А может быть возьмёте приз?");
}

void BargainForm::TakeMoney()
{
    Slova.text = QStringLiteral("Вы взяли деньги и тем самым заработали ") + QString::number(OfferAmount) +
                 QStringLiteral(" очков!") + QStringLiteral("А приз состовлял - ") + QString::number(BlackBoxPoints);
    writeCarriers(OfferAmount);
    // The prize is named: did taking the money pay?
    m_runtime.sound.play(OfferAmount >= BlackBoxPoints ? Sound::Win : Sound::Lose);
    SpeedButton1.disable();
    SpeedButton2.disable();
    Timer3.start();
}

void BargainForm::writeCarriers(int points)
{
    if (!m_studio)
        return;
    const int current = m_studio->currentSlot();
    for (int slot = 1; slot <= 3; ++slot)
        m_studio->player(slot).prizeCarrier.text = QString::number(slot == current ? points : 0);
}

void BargainForm::backToStudio()
{
    if (!m_studio)
        return;
    hideScreen();
    m_studio->showScreen();
    m_studio->Timer5.start();
}

void BargainForm::Timer2Timer()
{
    Timer2.stop();
    writeCarriers(BlackBoxPoints);
    backToStudio();
}

void BargainForm::Timer3Timer()
{
    Timer3.stop();
    backToStudio();
}
