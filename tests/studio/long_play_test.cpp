// SPDX-License-Identifier: GPL-3.0-or-later
// Many games of random legal clicks; every event must leave the game sound.
#include "tests/studio/long_play.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <tuple>
#include <vector>

namespace {

int gamesToPlay()
{
    if (const char* n = std::getenv("SLOVODROM_LONG_PLAY_GAMES"))
        return std::max(1, std::atoi(n));
    return 400;
}

}

// Random play in virtual time breaks no rule of the game and never gets stuck;
// with pauses at random moments (in which nothing acts, ticks or changes) the
// very same games are played, event for event, so a paused run checks every
// rule the plain one does. Games with one to three computer places too: a
// person's clicks do not reach its turns, and in its turn something is always pending.
TEST(LongPlay, RandomGamesKeepEveryRule)
{
    struct Plain {
        std::uint32_t seed;
        LongPlay::Report report;
    };
    struct Run {
        std::uint32_t seed;
        bool pauses, computers;
    };
    std::vector<Plain> plain;
    for (const auto& [seed, pauses, computers] : {Run{1u, false, false}, Run{1u, true, false}, Run{2u, true, false}, Run{3u, true, true}}) {
        LongPlay::Options options;
        options.games = computers ? gamesToPlay() / 4 : gamesToPlay() / 2;
        options.seed = seed;
        options.pauses = pauses;
        options.computers = computers;
        const auto started = std::chrono::steady_clock::now();
        const LongPlay::Report r = LongPlay::run(options);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        for (const QString& failure : r.failures)
            ADD_FAILURE() << "seed " << seed << (pauses ? " with pauses" : "") << ", " << failure.toStdString();
        std::cout << "seed " << seed << (pauses ? " with pauses" : "") << ": " << r.gamesStarted << " games ("
                  << r.gamesFinished << " finished, " << r.gamesAbandoned << " abandoned), " << r.roundsPlayed
                  << " rounds, " << r.events << " events, " << r.wordsRight << " right words, " << r.wordsWrong
                  << " wrong words, " << r.prizesTaken << " prizes, " << r.boxesPlayed << " boxes, "
                  << r.tilesOpened << " tiles, " << r.pauses << " pauses, " << r.computerMoves << " computer moves, "
                  << r.strayPresses << " presses refused; "
                  << static_cast<int>(r.gamesStarted / seconds) << " games/s\n";
        if (pauses) {
            EXPECT_GT(r.pauses, options.games / 10);
        }
        if (pauses && !plain.empty() && plain.back().seed == seed) {
            const LongPlay::Report& p = plain.back().report;
            EXPECT_EQ(std::tie(r.gamesStarted, r.gamesFinished, r.gamesAbandoned, r.events, r.roundsPlayed, r.wordsRight,
                               r.wordsWrong, r.prizesTaken, r.boxesPlayed, r.tilesOpened),
                      std::tie(p.gamesStarted, p.gamesFinished, p.gamesAbandoned, p.events, p.roundsPlayed, p.wordsRight,
                               p.wordsWrong, p.prizesTaken, p.boxesPlayed, p.tilesOpened))
                << "the pauses changed the games of seed " << seed;
        }
        if (!pauses)
            plain.push_back({seed, r});
        EXPECT_GE(r.gamesStarted, options.games);
        // The player must really have met the side screens and both verdicts.
        EXPECT_GT(r.gamesFinished, options.games / 2);
        EXPECT_GT(r.prizesTaken, 0);
        EXPECT_GT(r.boxesPlayed, 0);
        EXPECT_GT(r.wordsRight, 0);
        EXPECT_GT(r.wordsWrong, 0);
        EXPECT_GT(r.tilesOpened, 0);
        if (computers) {
            EXPECT_GT(r.computerMoves, 0);
            EXPECT_GT(r.strayPresses, 0);
        }
    }
}
