// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the wheel on their own, without the rules that drive them.
#include "board.h"
#include "wheel.h"

#include <gtest/gtest.h>

// A word lies under covered tiles; a letter opens all its places and only
// them; a tile opens its letter everywhere; past the word's end nothing shows.
TEST(Components, BoardOpensByLetterAndByTile)
{
    Board board;
    board.setWord(QStringLiteral("КАРАВАН"));
    EXPECT_EQ(board.covered(), 7);
    EXPECT_FALSE(board.tiles[8].visible || board.letters[8].visible);
    EXPECT_EQ(board.open(QChar(u'Я')), 0);
    EXPECT_EQ(board.open(QChar(u'А')), 3);
    EXPECT_EQ(board.covered(), 4);
    EXPECT_EQ(board.openLike(3), 1);  // Р
    EXPECT_FALSE(board.allOpen());
    EXPECT_EQ(board.openLike(1), 1);  // К
    board.reveal();
    EXPECT_TRUE(board.allOpen());
    EXPECT_EQ(board.word(), QStringLiteral("КАРАВАН"));

    board.setWord(QStringLiteral("ДОМ"));  // a shorter word leaves no letter of the longer one behind
    EXPECT_EQ(board.word(), QStringLiteral("ДОМ"));
    EXPECT_EQ(board.covered(), 3);
}

// A spin keeps full speed for its whole turns, then slows by the same step
// each time, and stops only on the drawn sector after at least one slow turn.
TEST(Components, WheelSlowsDownAndStopsOnItsSector)
{
    for (int target = 0; target < Wheel::Sectors; ++target) {
        Wheel wheel;
        const QString sector = Wheel::sectors()[static_cast<std::size_t>(target)];
        wheel.startSpin(sector, 2);
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
