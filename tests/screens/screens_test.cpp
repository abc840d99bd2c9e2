// SPDX-License-Identifier: GPL-3.0-or-later
// The side screens: set-up, bargaining, two boxes and the main menu.
#include "core/counts.h"
#include "tests/studio/studio_play.h"

#include "tests/support/rule_numbers.h"

#include <gtest/gtest.h>

#include <stdexcept>

using Play::host;

namespace {

struct SetupFixture {
    SetupFixture() { g.click([&] { g.screens->menu.newGameClicked(); }); }
    void ok(const QString& a, const QString& b, const QString& c)
    {
        g.click([&] {
            setup.nameBoxes[0].text = a;
            setup.nameBoxes[1].text = b;
            setup.nameBoxes[2].text = c;
            setup.okClicked();
        });
    }
    GameFixture g;
    SetupForm& setup = g.screens->setup;
    StudioForm& s = g.studio();
};

}

// Names fill from the first box on; any gap means no players and the screen stays.
TEST(Setup, PlayersAreTheNamesFromTheFirstBoxOn)
{
    {
        SetupFixture f;
        f.ok(QStringLiteral("Аня"), {}, {});
        EXPECT_TRUE(f.s.isVisible());
        EXPECT_FALSE(f.setup.isVisible());
        EXPECT_TRUE(f.s.player(1).inRound);
        EXPECT_FALSE(f.s.player(2).inRound || f.s.player(3).inRound);
        EXPECT_EQ(f.s.panel(1).nameLabel.text, QStringLiteral("Аня"));
        EXPECT_EQ(f.s.panel(1).roundLabel.text, QStringLiteral("0"));
    }
    for (const QStringList& names : {QStringList{{}, QStringLiteral("Боря"), {}},
                                    QStringList{QStringLiteral("Аня"), {}, QStringLiteral("Вика")},
                                    QStringList{{}, {}, {}}}) {
        SetupFixture f;
        f.ok(names[0], names[1], names[2]);
        EXPECT_TRUE(f.setup.isVisible());
        EXPECT_FALSE(f.s.isVisible());
        for (int slot = 1; slot <= 3; ++slot)
            EXPECT_FALSE(f.s.player(slot).inRound);
        EXPECT_EQ(f.setup.roundCount, 3);  // the rounds are read all the same
    }
    SetupFixture f;
    f.ok(QStringLiteral(" "), QStringLiteral("Боря"), QStringLiteral("Вика"));  // a blank is a name
    EXPECT_EQ(f.s.round().playersInRound(), 3);
}

// A computer place brings a name that reads as one, loses it again when given
// back to a person, and reaches the studio with its level; the first place
// may be the computer's too.
TEST(Setup, ComputerPlacesBringTheirNameAndLevel)
{
    SetupFixture f;
    f.g.click([&] {
        f.setup.playerKindChosen(0, 1);
        f.setup.playerKindChosen(2, 3);
    });
    EXPECT_EQ(f.setup.nameBoxes[0].text, SetupForm::computerName(0));
    EXPECT_EQ(f.setup.nameBoxes[2].text, SetupForm::computerName(2));
    EXPECT_NE(SetupForm::computerName(0), SetupForm::computerName(2));
    EXPECT_LE(SetupForm::computerName(0).size(), SetupForm::NameLength);
    f.g.click([&] { f.setup.playerKindChosen(2, SetupForm::Person); });
    EXPECT_TRUE(f.setup.nameBoxes[2].text.isEmpty());
    f.g.click([&] {
        f.setup.playerKindChosen(1, 2);
        f.setup.nameBoxes[1].text = QStringLiteral("Робик");
        f.setup.playerKindChosen(1, 3);  // another level keeps the name given
    });
    EXPECT_EQ(f.setup.nameBoxes[1].text, QStringLiteral("Робик"));
    f.g.click([&] { f.setup.okClicked(); });
    ASSERT_TRUE(f.s.isVisible());
    EXPECT_TRUE(f.s.isComputer(1) && f.s.isComputer(2) && !f.s.isComputer(3));
    EXPECT_EQ(f.s.panel(2).nameLabel.text, QStringLiteral("Робик"));
}

// Slider positions 0..8 give 1..9 rounds; untouched it stays at 3.
TEST(Setup, SliderGivesTheRounds)
{
    SetupFixture f;
    EXPECT_EQ(f.setup.roundsBox.text, QStringLiteral("3"));
    const std::pair<int, int> positions[] = {{2, 3}, {4, 5}, {0, 1}, {8, 9}, {3, 4}};
    for (auto [position, rounds] : positions) {
        f.g.click([&, position = position] { f.setup.roundsSliderMoved(position); });
        EXPECT_EQ(f.setup.roundsBox.text, QString::number(rounds));
    }
    f.ok(QStringLiteral("Аня"), {}, {});
    EXPECT_EQ(f.s.round().roundsChosen(), 4);
    f.g.click([&] { f.s.newGameClicked(); });
    EXPECT_EQ(f.s.round().roundCount(), 4);
}

// A second visit keeps the names and rounds, so "OK" plays again with the same players.
TEST(Setup, SecondGameReusesTheNames)
{
    GameFixture g;
    Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 2);
    g.click([&] { g.studio().exitClicked(); });
    g.click([&] { g.screens->menu.newGameClicked(); });
    SetupForm& setup = g.screens->setup;
    EXPECT_EQ(setup.nameBoxes[1].text, QStringLiteral("Боря"));
    EXPECT_EQ(g.studio().round().playersInRound(), 0);  // the menu clears the studio's panels
    g.click([&] { setup.okClicked(); });
    EXPECT_EQ(g.studio().round().playersInRound(), 2);
    EXPECT_EQ(g.studio().panel(2).nameLabel.text, QStringLiteral("Боря"));
    EXPECT_EQ(g.studio().round().roundsChosen(), 2);
}

namespace {

// Two players; player 1 takes the prize. The first offer comes after a
// second, unless the test is to script its draws first.
struct Bargain {
    explicit Bargain(int offerLimit, bool wait = true) : g(Play::base({QStringLiteral("КОТ")}))
    {
        Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 3);
        g.advance(5000);
        Play::spin(g, QStringLiteral("П"));
        g.click([&] { g.studio().takePrizeClicked(); });
        g.random.push(offerLimit - 3);
        if (wait)
            g.advance(1000);
    }
    GameFixture g;
    BargainForm& b = g.screens->bargain;
    StudioForm& s = g.studio();
};

}

// The host makes exactly OfferLimit offers from the ranges of their steps; the next black box opens it.
TEST(Bargain, BoxOpensAfterTheLastOffer)
{
    for (int limit : {3, 12}) {
        Bargain f(limit);
        EXPECT_TRUE(f.b.isVisible());
        EXPECT_FALSE(f.s.isVisible());
        int previous = 0;
        for (int step = 1; step <= limit; ++step) {
            ASSERT_EQ(f.b.offerStep, step);
            EXPECT_GE(f.b.offerAmount, Rules::Offers[step - 1].low);
            EXPECT_LE(f.b.offerAmount, Rules::Offers[step - 1].high);
            if (step > 1) {
                EXPECT_GT(f.b.offerAmount, previous);
            }
            previous = f.b.offerAmount;
            EXPECT_TRUE(f.b.hostSpeech.text.contains(QString::number(f.b.offerAmount)));
            EXPECT_TRUE(f.b.blackBox.enabled && f.b.money.enabled);
            f.g.click([&] { f.b.blackBoxClicked(); });
        }
        const int box = f.b.blackBoxPoints;
        EXPECT_EQ(f.b.hostSpeech.text, QStringLiteral("Вы выбрали приз, и ваш выигрыш составляет — ") + Counts::points(box) +
                                      QStringLiteral("!"));
        EXPECT_FALSE(f.b.blackBox.enabled || f.b.money.enabled);
        f.g.advance(3001);
        EXPECT_TRUE(f.s.isVisible());
        EXPECT_EQ(f.s.player(1).roundScore, box);
        EXPECT_FALSE(f.s.player(1).inRound);  // out of the round with his points
        EXPECT_EQ(f.s.round().current(), 2);
        EXPECT_EQ(host(f.g), QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!"));
    }
}

// Every step's offer reaches both edges of its range and never one past the
// top (a draw that large is refused); the box holds up to the offer + 209.
TEST(Bargain, OffersKeepToTheirRanges)
{
    for (bool top : {false, true}) {
        const auto draw = [top](int step) { return top ? Rules::Offers[step - 1].high - Rules::Offers[step - 1].low : 0; };
        const auto boxDraw = [top](int step) { return top ? Rules::Offers[step - 1].high + Rules::BoxOverOffer - Rules::BoxLeast : 0; };
        Bargain f(12, false);
        for (int step = 1; step <= 12; ++step) {
            f.g.random.push({draw(step), boxDraw(step)});
            if (step == 1)
                f.g.advance(1000);
            else
                f.g.click([&] { f.b.blackBoxClicked(); });
            EXPECT_EQ(f.b.offerAmount, top ? Rules::Offers[step - 1].high : Rules::Offers[step - 1].low) << step;
            EXPECT_EQ(f.b.blackBoxPoints, top ? Rules::Offers[step - 1].high + Rules::BoxOverOffer : Rules::BoxLeast) << step;
        }
    }
    for (int step = 1; step <= 12; ++step) {
        Bargain f(12, false);
        for (int earlier = 1; earlier < step; ++earlier)
            f.g.random.push({0, 0});
        f.g.random.push(Rules::Offers[step - 1].high - Rules::Offers[step - 1].low + 1);
        EXPECT_THROW(
            {
                f.g.advance(1000);
                for (int earlier = 1; earlier < step; ++earlier)
                    f.g.click([&] { f.b.blackBoxClicked(); });
            },
            std::logic_error)
            << step;
    }
}

// The money once asks again; the black box then brings the next offer; twice takes it.
TEST(Bargain, MoneyTakenOnTheSecondClick)
{
    Bargain f(5);
    f.g.click([&] { f.b.moneyClicked(); });
    EXPECT_EQ(f.b.hostSpeech.text, QStringLiteral("А может быть возьмёте приз?"));
    f.g.click([&] { f.b.blackBoxClicked(); });
    EXPECT_EQ(f.b.offerStep, 2);
    f.g.click([&] { f.b.moneyClicked(); });
    EXPECT_EQ(f.b.offerStep, 2);
    EXPECT_FALSE(f.b.moneyTakenTimer.isRunning());  // asked again, not yet taken
    f.g.click([&] { f.b.moneyClicked(); });
    const int amount = f.b.offerAmount;
    EXPECT_TRUE(f.b.hostSpeech.text.startsWith(QStringLiteral("Вы взяли деньги и тем самым заработали ") +
                                          Counts::points(amount) + QStringLiteral("! А приз составлял — ")));
    EXPECT_EQ(f.b.settled(), amount);
    EXPECT_FALSE(f.b.blackBox.enabled || f.b.money.enabled);
    f.g.advance(3001);
    EXPECT_EQ(f.s.player(1).roundScore, amount);
    EXPECT_EQ(f.s.player(2).roundScore + f.s.player(3).roundScore, 0);  // only the one who took it
    EXPECT_FALSE(f.b.isVisible());
    f.g.advance(3000);
    EXPECT_TRUE(f.s.spinButton.enabled);  // player 2 plays on
    EXPECT_EQ(f.s.round().current(), 2);
}

// The menu's "Новая Игра" clears the board and panels of the last game before the set-up.
TEST(Menu, NewGameClearsTheStudio)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 3);
    g.advance(5000);
    Play::nameWord(g, QStringLiteral("КОТ"));
    g.click([&] { s.exitClicked(); });
    g.click([&] { g.screens->menu.newGameClicked(); });
    EXPECT_TRUE(g.screens->setup.isVisible());
    EXPECT_FALSE(g.screens->menu.isVisible());
    EXPECT_FALSE(s.banner.visible);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(s.board.tiles[i].visible);
        EXPECT_TRUE(s.board.letters[i].text.isEmpty());
    }
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_FALSE(s.player(slot).inRound);
        EXPECT_TRUE(s.panel(slot).nameLabel.text.isEmpty());
    }
    EXPECT_EQ(s.hostSpeech.text, QStringLiteral("Добро пожаловать на Словодром!"));
}
