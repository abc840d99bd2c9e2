// SPDX-License-Identifier: GPL-3.0-or-later
// Every system call of the question base fails in turn, the way a file
// library is tested: each call of each kind that an action makes, once (a
// passing fault) and from then on (a lasting one), with each error that
// matters, during the editor's load, browsing, save, delete and exit and the
// studio's choice of questions. After each, the error box says the right
// thing, the base holds what it held (or, for a delete cut short, every
// record it should keep — a record may be there twice, none may be lost), the
// screen shows no record that is not on disk, and the program goes on.
#include "questions/cp1251.h"
#include "tests/questions/fault_scenarios.h"
#include "tests/questions/faulty_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

using namespace sweep;

namespace {

struct FaultSweep : ::testing::Test {
    void SetUp() override
    {
        systemCalls() = Faulty;
        plan = Plan{};
    }
    void TearDown() override
    {
        systemCalls() = SystemCalls::real();
        plan = Plan{};
        Cp1251::closeConverters();
    }
};

// The action without a fault: how many calls of each kind it makes, and what it leaves.
void cleanRun(const Scenario& s, std::array<int, CallKinds>& calls, std::string& cleanBytes)
{
    Program r(s.spelling, s.records);
    s.before(r);
    ASSERT_TRUE(r.game.errors.isEmpty()) << s.name << ": " << r.game.errors.join(' ').toStdString();
    Cp1251::closeConverters();
    plan = Plan{};
    s.action(r);
    ASSERT_TRUE(r.game.errors.isEmpty()) << s.name << ": " << r.game.errors.join(' ').toStdString();
    std::copy(std::begin(plan.seen), std::end(plan.seen), calls.begin());
    cleanBytes = r.base();
    // A sweep fails only the calls that happen: a sync left out would go unnoticed.
    EXPECT_EQ(calls[Fdatasync], s.syncs) << s.name << ": syncs to the disk";
}

// Whether a call of this kind can meet this error.
bool canFail(int call, int error)
{
    if ((error == ShortWrite || error == NothingWritten) && call != Pwrite)
        return false;
    if (error == EINVAL && call != Lseek && call != Flock)
        return false;
    // Listing a folder is never interrupted by a signal.
    if (error == EINTR && (call == Fdopendir || call == Readdir))
        return false;
    return true;
}

// The error box and the base after the action under the fault.
void expectOutcome(const Scenario& s, Program& r, int call, int error, bool lasting, const std::string& cleanBytes, const std::string& where)
{
    const QString expected = expectedMessage(error, lasting);
    const std::string bytes = r.base();
    // A failed sync leaves the bytes as they should be, yet not safe on the disk: the player must hear of it.
    if (call == Fdatasync && !expected.isEmpty()) {
        EXPECT_FALSE(r.game.errors.isEmpty()) << where << ": a failed sync went unreported";
    }
    if (r.game.errors.isEmpty()) {
        EXPECT_EQ(bytes, cleanBytes) << where << ": no error, yet not the fault-free outcome";
    } else {
        for (const QString& m : r.game.errors)
            EXPECT_EQ(m.toStdString(), expected.toStdString()) << where;
        // The action itself may have gone through before the count refresh failed.
        if (s.deleted >= 0)
            EXPECT_TRUE(bytes == r.original || bytes == cleanBytes || nothingLost(bytes, r.original, s.deleted))
                << where << ": a record lost";
        else
            EXPECT_TRUE(bytes == r.original || bytes == cleanBytes) << where << ": the base changed";
    }
    // A record still waiting for "Сохранить" is not in the base.
    if (r.editor().isVisible() && r.editor().saveButton.enabled) {
        EXPECT_TRUE(bytes == r.original) << where << ": an unsaved record reached the base";
    }
    expectScreenMatchesDisk(r, where);
}

// The program goes on: the editor, left and entered again, shows the base as it is.
void expectProgramGoesOn(Program& r, const std::string& where)
{
    const qsizetype errorsBefore = r.game.errors.size();
    if (r.editor().isVisible())
        r.game.click([&] { r.editor().exitClicked(); });
    EXPECT_TRUE(r.game.screens->menu.isVisible() || r.game.studio().isVisible()) << where;
    if (r.game.screens->menu.isVisible()) {
        r.openEditor();
        const std::string now = r.base();
        EXPECT_EQ(r.editor().recordCount.text, QString::number(now.size() / RecordSize)) << where;
        EXPECT_EQ(r.editor().answerBox.text, recordAt(now, 0).answerText()) << where;
        EXPECT_TRUE(r.editor().newButton.enabled) << where;
    }
    EXPECT_EQ(r.game.errors.size(), errorsBefore) << where << ": " << r.game.errors.join(' ').toStdString();
}

void runWithFault(const Scenario& s, int call, int nth, int error, bool lasting, const std::string& cleanBytes, int also = CallKinds)
{
    const std::string where = std::string(s.name) + ", " + CallNames[call] + " #" + std::to_string(nth)
                              + " " + errorName(error).toStdString() + (lasting ? " from then on" : " once")
                              + (also < CallKinds ? std::string(", every ") + CallNames[also] + " too" : "");
    Program r(s.spelling, s.records);
    s.before(r);
    Cp1251::closeConverters();
    plan = Plan{};
    plan.call = call;
    plan.nth = nth;
    plan.error = error;
    plan.lasting = lasting;
    plan.also = also;
    s.action(r);
    plan = Plan{};
    expectOutcome(s, r, call, error, lasting, cleanBytes, where);
    expectProgramGoesOn(r, where);
}

}

TEST_F(FaultSweep, EveryCallFailsInTurn)
{
    int runs = 0;
    for (const Scenario& s : scenarios()) {
        std::array<int, CallKinds> calls{};
        std::string cleanBytes;
        cleanRun(s, calls, cleanBytes);
        if (HasFatalFailure())
            return;
        for (int call = 0; call < CallKinds; ++call) {
            for (int nth = 0; nth < calls[static_cast<std::size_t>(call)]; ++nth) {
                for (int error : {EIO, ENOSPC, EFBIG, EACCES, EINTR, ShortWrite, NothingWritten, EINVAL}) {
                    if (!canFail(call, error))
                        continue;
                    for (bool lasting : {false, true}) {
                        ++runs;
                        runWithFault(s, call, nth, error, lasting, cleanBytes);
                        if (::testing::Test::HasFailure())
                            return;
                    }
                    // The sync fails and so does the cut-back that would undo the write.
                    if (call == Fdatasync && error > 0) {
                        ++runs;
                        runWithFault(s, call, nth, error, true, cleanBytes, Ftruncate);
                        if (::testing::Test::HasFailure())
                            return;
                    }
                }
            }
        }
    }
    RecordProperty("runs", runs);
}
