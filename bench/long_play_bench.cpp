// SPDX-License-Identifier: GPL-3.0-or-later
// Long play at scale: long_play_bench [GAMES] [SEED] — plays that many whole
// games of random legal clicks in virtual time, checking the game's
// invariants after every event, and reports games per second.
#include "tests/studio/long_play.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    LongPlay::Options options;
    options.games = argc > 1 ? std::atoi(argv[1]) : 100000;
    options.seed = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 20261208u;
    const auto t0 = std::chrono::steady_clock::now();
    const LongPlay::Report r = LongPlay::run(options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("games %d\nfinished %d\nabandoned %d\nevents %lld\nrounds %lld\nwords_right %lld\nwords_wrong %lld\n"
                "prizes %lld\nboxes %lld\ntiles %lld\nfailures %lld\nseconds %.2f\ngames_per_second %.0f\n",
                r.gamesStarted, r.gamesFinished, r.gamesAbandoned, r.events, r.roundsPlayed, r.wordsRight, r.wordsWrong,
                r.prizesTaken, r.boxesPlayed, r.tilesOpened, static_cast<long long>(r.failures.size()), seconds,
                r.gamesStarted / seconds);
    for (const QString& f : r.failures)
        std::fprintf(stderr, "%s\n", f.toUtf8().constData());
    return r.failures.isEmpty() ? 0 : 1;
}
