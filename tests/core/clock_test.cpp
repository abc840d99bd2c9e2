// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/manual_clock.h"
#include "core/runtime.h"
#include "core/timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Fixture {
    ManualClock clock;
    SeededRandom random{1};
    Runtime runtime{clock, random};
};

}

// Ticks run in time order, and timers due at the same moment in the order they were started.
TEST(ManualClock, FiresDueTicksInTimeThenStartOrder)
{
    Fixture f;
    std::vector<QString> fired;
    Timer a(f.runtime, "a", 300, [&] { fired.push_back("a"); a.stop(); });
    Timer b(f.runtime, "b", 100, [&] { fired.push_back("b"); b.stop(); });
    Timer c(f.runtime, "c", 300, [&] { fired.push_back("c"); c.stop(); });
    a.start();
    b.start();
    c.start();
    f.clock.advance(299);
    EXPECT_EQ(fired, (std::vector<QString>{"b"}));
    f.clock.advance(1);
    EXPECT_EQ(fired, (std::vector<QString>{"b", "a", "c"}));
    EXPECT_FALSE(f.clock.hasPending());
}

// A one-shot step: the handler stops its own timer, so it fires once.
TEST(ManualClock, RepeatingTimerTicksUntilStopped)
{
    Fixture f;
    int ticks = 0;
    Timer t(f.runtime, "t", 10, [&] {
        if (++ticks == 3)
            t.stop();
    });
    t.start();
    f.clock.advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(f.clock.now(), 1000);
}

// Starting a running timer must not push its tick further away.
TEST(ManualClock, StartingARunningTimerKeepsItsTick)
{
    Fixture f;
    int ticks = 0;
    Timer t(f.runtime, "t", 100, [&] { ++ticks; t.stop(); });
    t.start();
    f.clock.advance(60);
    t.start();
    f.clock.advance(40);
    EXPECT_EQ(ticks, 1);
}

// A new interval set inside a tick governs the next tick, measured from now.
TEST(ManualClock, NewIntervalTakesEffectForTheNextTick)
{
    Fixture f;
    std::vector<std::int64_t> at;
    Timer t(f.runtime, "t", 150, [&] {
        at.push_back(f.clock.now());
        t.setInterval(t.interval() + 25);
        if (at.size() == 3)
            t.stop();
    });
    t.start();
    f.clock.advance(10000);
    EXPECT_EQ(at, (std::vector<std::int64_t>{150, 325, 525}));
}

TEST(ManualClock, StoppedTimerNeverFires)
{
    Fixture f;
    int ticks = 0;
    Timer t(f.runtime, "t", 5, [&] { ++ticks; });
    t.start();
    t.stop();
    f.clock.advance(100);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(t.isRunning());
}

TEST(Random, SeedIsTheTimeOfDayInMilliseconds)
{
    EXPECT_EQ(timeOfDaySeed(0, 0, 0, 0), 0u);
    EXPECT_EQ(timeOfDaySeed(1, 2, 3, 4), ((1u * 60 + 2) * 60 + 3) * 1000 + 4);
    EXPECT_EQ(timeOfDaySeed(23, 59, 59, 999), 86399999u);
    EXPECT_LT(timeOfDaySeedNow(), 86400000u);
}

// Every value of the range comes up, and nothing outside it.
TEST(Random, BelowStaysInRangeAndCoversIt)
{
    SeededRandom r(42);
    std::vector<int> seen(16);
    for (int i = 0; i < 4000; ++i) {
        const int v = r.below(16);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 16);
        ++seen[static_cast<std::size_t>(v)];
    }
    for (int n : seen)
        EXPECT_GT(n, 150);
    EXPECT_EQ(r.below(0), 0);
    EXPECT_EQ(r.below(1), 0);
}
