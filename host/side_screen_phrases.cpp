// SPDX-License-Identifier: GPL-3.0-or-later
// The host at the bargaining and at the two boxes.
#include "host/host_phrases.h"

#include "core/counts.h"

#include <iterator>

namespace HostPhrases {

namespace {

// An offer is said as before + amount + after; with counted the amount comes with
// its noun in the right form ("443 очка", "500 очков").
struct OfferText {
    const char* before;
    bool counted;
    const char* after;
};

const OfferText offers[] = {
    {"Я вам предлагаю ", false, ", и мы не открываем чёрный ящик. Вы согласны?"},
    {"", true, " за то, что лежит в этом ящике. Хотите?"},
    {"Всё, в последний раз спрашиваю: ", true, " хотите? И не открываем этот ящик."},
    {"Так, я вам предложил ", true, ", и вы выбрали?"},
    {"", true, " вам достаточно?"},
    {"А ", false, "?"},
    {"", true, "?"},
    {"А ", false, " вам хватит?"},
    {"Сколько вам нужно? Я вам предложил ", true, ", и вы отказались. Да?"},
    {"Я вам предлагал ", true, ", и вы выбрали приз. Да?"},
    {"Как я понял, вы отказываетесь от приза за ", true, " и берёте деньги?"},
    {"", true, ", и мы прекращаем торги?"},
};

}

QString prizeChosen()
{
    return QStringLiteral("Вы выбрали приз! Чёрный \nящик в студию!");
}

QString offer(int step, int amount)
{
    if (step < 1 || step > static_cast<int>(std::size(offers)))
        return QString();
    const OfferText& o = offers[step - 1];
    return QString::fromUtf8(o.before) + (o.counted ? Counts::points(amount) : QString::number(amount)) +
           QString::fromUtf8(o.after);
}

QString askAgain()
{
    return QStringLiteral("А может быть возьмёте приз?");
}

QString moneyTaken(int offer, int prize)
{
    return QStringLiteral("Вы взяли деньги и тем самым заработали ") + Counts::points(offer) +
           QStringLiteral("! А приз составлял — ") + QString::number(prize) + QStringLiteral(".");
}

QString boxOpened(int prize)
{
    return QStringLiteral("Вы выбрали приз, и ваш выигрыш составляет — ") + Counts::points(prize) + QStringLiteral("!");
}

QString chooseBox()
{
    return QStringLiteral("Выбирайте шкатулку!");
}

QString boxGuessed(int points)
{
    return QStringLiteral("Вы угадали! И заработали ") + Counts::points(points) + QStringLiteral("!");
}

QString boxMissed()
{
    return QStringLiteral("Увы, но вы не угадали!");
}

}
