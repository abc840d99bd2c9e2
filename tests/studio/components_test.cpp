// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the wheel on their own, without the rules that drive them,
// and the table a computer player is shown of a round.
#include "studio/board.h"
#include "studio/wheel.h"
#include "rules/round.h"
#include "studio/table_of_round.h"

#include <gtest/gtest.h>

// A word lies under covered tiles; a letter opens all its places and only
// them; a tile opens its letter everywhere; past the word's end nothing shows.
TEST(Components, BoardOpensByLetterAndByTile)
{
    Round r;
    r.seat({QStringLiteral("Аня")}, 2);
    r.newGame();
    r.beginGame();
    r.startRound(QStringLiteral("КАРАВАН"));
    Board board;
    auto covered = [&] {
        board.present(r, static_cast<int>(r.board().size()));
        int n = 0;
        for (int i = 1; i <= Board::Tiles; ++i)
            n += board.tiles[i].visible ? 1 : 0;
        return n;
    };
    EXPECT_EQ(covered(), 7);
    EXPECT_FALSE(board.tiles[8].visible || board.letters[8].visible);
    EXPECT_EQ(board.letters[3].text, QStringLiteral("Р"));
    EXPECT_EQ(r.nameLetter(Alphabet::indexOf(QChar(u'Я'))).opened, 0);
    EXPECT_EQ(r.nameLetter(Alphabet::indexOf(QChar(u'А'))).opened, 3);
    EXPECT_EQ(covered(), 4);
    EXPECT_EQ(r.openTile(3).opened, 1);  // Р
    EXPECT_FALSE(r.allOpen());
    EXPECT_EQ(r.openTile(1).opened, 1);  // К
    EXPECT_EQ(covered(), 2);

    r.startRound(QStringLiteral("ДОМ"));  // a shorter word leaves no letter of the longer one behind
    EXPECT_EQ(covered(), 3);
    EXPECT_TRUE(board.letters[4].text.isEmpty());
}

// A spin keeps full speed for its whole turns, then slows by the same step
// each time, and stops only on the drawn sector after at least one slow turn.
TEST(Components, WheelSlowsDownAndStopsOnItsSector)
{
    for (int target = 0; target < Wheel::Sectors; ++target) {
        Wheel wheel;
        const QString sector = Sector::wheel()[static_cast<std::size_t>(target)].label();
        wheel.startSpin(target + 1, 2);
        int delay = Wheel::FirstStepMs, steps = 0;
        while (const int next = wheel.step(delay)) {
            ++steps;
            EXPECT_EQ(next, steps < 2 * Wheel::Sectors ? delay : delay + Wheel::SlowDownMs) << steps;
            delay = next;
            ASSERT_LT(steps, 5 * Wheel::Sectors);
        }
        ++steps;
        EXPECT_EQ(wheel.labels[1].text, sector);
        EXPECT_EQ(wheel.pointer.text, sector);
        EXPECT_GE(steps, 3 * Wheel::Sectors);
        EXPECT_LT(steps, 4 * Wheel::Sectors);
    }
}

// A computer player is shown the round as the screen shows it: the open
// letters in their places, the rest covered, and no covered letter of the
// answer anywhere in what it gets; while the word is typed it still knows the
// letters used; as the last player it counts its moves.
TEST(Components, TableViewHoldsNothingOfTheCoveredLetters)
{
    auto letter = [](char16_t c) { return Alphabet::indexOf(QChar(c)); };
    const QString answer = QStringLiteral("КАРАВАН");
    Round r;
    r.seat({QStringLiteral("Аня"), QStringLiteral("Робот Вася"), QStringLiteral("Боря")}, 1);
    r.newGame();
    r.beginGame();
    r.startRound(answer);
    r.nextTurn();
    r.openChoice();
    r.spin(Sector{Sector::Kind::Points, 300});
    r.applySector();
    ASSERT_EQ(r.nameLetter(letter(u'А')).opened, 3);
    r.spin(Sector{Sector::Kind::Points, 100});
    r.applySector();
    ASSERT_EQ(r.nameLetter(letter(u'Я')).opened, 0);
    r.letterMissedDone();
    ASSERT_EQ(r.nextTurn().seat, 2);
    r.openChoice();
    r.spin(Sector{Sector::Kind::Plus, 0});
    r.applySector();
    r.openTile(3);  // Р

    const QString question = QStringLiteral("Вереница верблюдов в пустыне");
    computer::TableView view = tableViewOf(r, 2, question);
    EXPECT_EQ(view.question, question);
    EXPECT_EQ(view.board, QStringLiteral("_АРА_А_"));
    EXPECT_EQ(view.usedLetters, QStringLiteral("АРЯ"));
    auto showsNoCoveredLetter = [&](const computer::TableView& v) {
        for (int tile = 1; tile <= answer.size(); ++tile) {
            const QChar hidden = answer.at(tile - 1);
            if (!r.tileOpen(tile) && (v.board.contains(hidden) || v.usedLetters.contains(hidden)))
                return false;
        }
        return true;
    };
    EXPECT_TRUE(showsNoCoveredLetter(view));
    EXPECT_EQ(view.sector.kind, computer::Sector::Kind::Plus);
    EXPECT_EQ(view.self, 1);
    EXPECT_EQ(view.places[0].roundScore, 900);
    EXPECT_TRUE(view.places[0].inRound && view.places[1].inRound && view.places[2].inRound);
    EXPECT_EQ(view.movesLeft, computer::TableView::NotLastPlayer);
    EXPECT_EQ(view.offer, 0);
    const computer::TableView bargaining = tableViewOf(r, 2, question, 1234, true);
    EXPECT_EQ(bargaining.offer, 1234);
    EXPECT_TRUE(bargaining.askedAgain);

    // Two wrong words: while each is typed every letter button is back, yet
    // the view keeps the letters used; then the first player is left alone.
    r.chooseWord();
    view = tableViewOf(r, 2, question);
    EXPECT_EQ(view.usedLetters, QStringLiteral("АРЯ"));
    EXPECT_TRUE(showsNoCoveredLetter(view));
    r.nameWord(QStringLiteral("КАРАБАС"));
    ASSERT_EQ(r.nextTurn().seat, 3);
    r.openChoice();
    r.chooseWord();
    r.nameWord(QStringLiteral("БАРАБАН"));
    ASSERT_EQ(r.nextTurn().seat, 1);
    view = tableViewOf(r, 1, question);
    EXPECT_FALSE(view.places[1].inRound || view.places[2].inRound);
    EXPECT_EQ(view.movesLeft, 3);
    EXPECT_EQ(tableViewOf(r, 2, question).movesLeft, computer::TableView::NotLastPlayer);
    r.spin(Sector{Sector::Kind::Double, 0});
    view = tableViewOf(r, 1, question);
    EXPECT_EQ(view.movesLeft, 2);
    EXPECT_EQ(view.sector.kind, computer::Sector::Kind::Double);
    EXPECT_TRUE(showsNoCoveredLetter(view));

    // The word named: the board is open, as on the screen.
    r.applySector();
    r.chooseWord();
    r.nameWord(answer);
    EXPECT_EQ(tableViewOf(r, 1, question).board, answer);

    // Every sector of the wheel reads as the same kind and points.
    for (const Sector& sector : Sector::wheel()) {
        const computer::Sector seen = sectorOf(sector);
        EXPECT_EQ(static_cast<int>(seen.kind), static_cast<int>(sector.kind)) << qPrintable(sector.label());
        EXPECT_EQ(seen.points, sector.kind == Sector::Kind::Points ? sector.points : 0);
    }
}
