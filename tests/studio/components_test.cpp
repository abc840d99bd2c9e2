// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the wheel on their own, without the rules that drive them.
#include "studio/board.h"
#include "studio/wheel.h"
#include "rules/round.h"

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
