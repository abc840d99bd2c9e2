// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_error.h"
#include "tests/support/manual_clock.h"
#include "core/runtime.h"
#include "core/timer.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Fixture {
    Fixture()
    {
        runtime.dispatcher.setErrorReporter([this](const QString& m) { reports << m; });
    }
    ManualClock clock;
    SeededRandom random{1};
    Runtime runtime{clock, random};
    QStringList reports;
};

}

// An I/O error ends the handler where it was raised; the box shows its text with
// a full stop. When the after-event work fails too, the box names the handler's
// error, the one the player's action met; an after-event error alone is shown.
TEST(Dispatcher, ReportsAnErrorWithAFullStopAndGoesOn)
{
    Fixture f;
    int after = 0;
    bool refreshFails = false;
    Timer refresh(f.runtime, "refresh", 1, [&] { if (refreshFails) throw IoError(IoError::DiskFull); }, Timer::Mode::AfterEvent);
    refresh.start();
    f.runtime.dispatcher.run([&] {
        throw IoError(IoError::FileNotFound);
        ++after;
    });
    EXPECT_EQ(after, 0);
    EXPECT_EQ(f.reports, QStringList{"File not found."});
    f.runtime.dispatcher.run([&] { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_EQ(f.reports.size(), 1);
    refreshFails = true;
    f.runtime.dispatcher.run([&] { throw IoError(IoError::AccessDenied); });
    f.runtime.dispatcher.run([&] { ++after; });
    EXPECT_EQ(f.reports, (QStringList{"File not found.", "File access denied.", "Disk full."}));
}

TEST(Dispatcher, KnowsTheClassicErrorTexts)
{
    EXPECT_EQ(IoError(2).message(), "File not found");
    EXPECT_EQ(IoError(3).message(), "Invalid filename");
    EXPECT_EQ(IoError(4).message(), "Too many open files");
    EXPECT_EQ(IoError(5).message(), "File access denied");
    EXPECT_EQ(IoError(100).message(), "Read beyond end of file");
    EXPECT_EQ(IoError(101).message(), "Disk full");
    EXPECT_EQ(IoError(103).message(), "I/O error 103");
}

// The refresh work runs once after every event, and not at all while nothing happens.
TEST(Dispatcher, AfterEventTimersRunAfterEachEventOnlyWhileRunning)
{
    Fixture f;
    int refreshes = 0;
    Timer refresh(f.runtime, "refresh", 1, [&] { ++refreshes; }, Timer::Mode::AfterEvent);
    f.runtime.dispatcher.run([] {});
    EXPECT_EQ(refreshes, 0);
    refresh.start();
    EXPECT_FALSE(f.clock.hasPending());  // it never ticks on the clock
    f.runtime.dispatcher.run([] {});
    f.runtime.dispatcher.run([] {});
    EXPECT_EQ(refreshes, 2);
    f.clock.advance(60000);
    EXPECT_EQ(refreshes, 2);
    refresh.stop();
    f.runtime.dispatcher.run([] {});
    EXPECT_EQ(refreshes, 2);
}

// A timer tick is an event like a click: the refresh follows it, and the views after that.
TEST(Dispatcher, ClockTicksAreEventsFollowedByRefreshAndViews)
{
    Fixture f;
    QStringList order;
    Timer refresh(f.runtime, "refresh", 1, [&] { order << "refresh"; }, Timer::Mode::AfterEvent);
    refresh.start();
    f.runtime.dispatcher.addListener([&] { order << "views"; });
    Timer step(f.runtime, "step", 100, [&] {
        step.stop();
        order << "step";
    });
    step.start();
    f.clock.advance(100);
    EXPECT_EQ(order, (QStringList{"step", "refresh", "views"}));
}

// A handler that runs another handler does not make two events of it.
TEST(Dispatcher, NestedRunIsPartOfTheOuterEvent)
{
    Fixture f;
    int views = 0;
    f.runtime.dispatcher.addListener([&] { ++views; });
    f.runtime.dispatcher.run([&] { f.runtime.dispatcher.run([] {}); });
    EXPECT_EQ(views, 1);
}
