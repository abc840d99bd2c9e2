// SPDX-License-Identifier: GPL-3.0-or-later
// Many games of random legal clicks; every event must leave the game sound.
#include "tests/studio/long_play.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

namespace {

int gamesToPlay()
{
    if (const char* n = std::getenv("SLOVODROM_LONG_PLAY_GAMES"))
        return std::max(1, std::atoi(n));
    return 400;
}

}

// Random play in virtual time breaks no rule of the game and never gets stuck.
TEST(LongPlay, RandomGamesKeepEveryRule)
{
    for (std::uint32_t seed : {1u, 2u}) {
        LongPlay::Options options;
        options.games = gamesToPlay() / 2;
        options.seed = seed;
        const auto started = std::chrono::steady_clock::now();
        const LongPlay::Report r = LongPlay::run(options);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        for (const QString& failure : r.failures)
            ADD_FAILURE() << "seed " << seed << ", " << failure.toStdString();
        std::cout << "seed " << seed << ": " << r.gamesStarted << " games (" << r.gamesFinished << " finished, "
                  << r.gamesAbandoned << " abandoned), " << r.roundsPlayed << " rounds, " << r.events << " events, "
                  << r.wordsRight << " right words, " << r.wordsWrong << " wrong words, " << r.prizesTaken
                  << " prizes, " << r.boxesPlayed << " boxes, " << r.tilesOpened << " tiles; "
                  << static_cast<int>(r.gamesStarted / seconds) << " games/s\n";
        EXPECT_GE(r.gamesStarted, options.games);
        // The player must really have met the side screens and both verdicts.
        EXPECT_GT(r.gamesFinished, options.games / 2);
        EXPECT_GT(r.prizesTaken, 0);
        EXPECT_GT(r.boxesPlayed, 0);
        EXPECT_GT(r.wordsRight, 0);
        EXPECT_GT(r.wordsWrong, 0);
        EXPECT_GT(r.tilesOpened, 0);
    }
}
