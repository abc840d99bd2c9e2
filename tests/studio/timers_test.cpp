// SPDX-License-Identifier: GPL-3.0-or-later
// Every pause of the game lasts exactly as long as the rules say: one
// millisecond before its end nothing a player sees has changed, at its end it
// has. A pause of the game itself stops them all where they stand.
#include "tests/studio/studio_play.h"

#include "core/pause.h"
#include "rules/alphabet.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>

namespace {

// The rules' delays, in milliseconds.
const std::map<QString, int> Delays = {
    {QStringLiteral("firstTurnTimer"), 2000},   // the first player is named
    {QStringLiteral("promptTimer"), 3000},      // the host asks for a spin or a word
    {QStringLiteral("wheelStepTimer"), 150},    // the wheel's first step
    {QStringLiteral("sectorMoveTimer"), 3000},  // the sector's move opens
    {QStringLiteral("missedLetterTimer"), 3000},
    {QStringLiteral("toBoxesTimer"), 3000},
    {QStringLiteral("hidePointsTimer"), 1},
    {QStringLiteral("returnTimer"), 3000},  // the two boxes' result
    {QStringLiteral("boxesReturnTimer"), 1},
    {QStringLiteral("firstOfferTimer"), 1000},
    {QStringLiteral("moneyTakenTimer"), 3000},
    {QStringLiteral("boxOpenedTimer"), 3000},
    {QStringLiteral("prizeReturnTimer"), 1},
    {QStringLiteral("nextRoundTimer"), 5000},
    {QStringLiteral("roundLostTimer"), 4000},
    {QStringLiteral("exitTimer"), 5000},  // "ВЫХОД" on the end screen
    {QStringLiteral("loadTimer"), 1},     // the editor opens the base
};

// What a player sees on every screen.
QString view(GameFixture& g)
{
    const GameScreens& f = *g.screens;
    StudioForm& s = g.studio();
    QString v;
    for (const Form* form : std::initializer_list<const Form*>{&f.menu, &f.studio, &f.editor, &f.setup, &f.bargain,
                                                                &f.twoBoxes, &f.endOfGame, &f.rules})
        v += form->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
    for (const Control* c : std::initializer_list<const Control*>{&s.hostSpeech, &s.spinButton, &s.wordButton, &s.takePrizeButton, &s.banner, &s.wordBox, &s.wheel.labels[1],
                             &f.bargain.hostSpeech, &f.bargain.blackBox, &f.bargain.money, &f.twoBoxes.hostSpeech, &f.twoBoxes.leftBox,
                             &f.twoBoxes.rightBox, &f.endOfGame.exitButton, &f.endOfGame.resultBox, &f.editor.recordCount, &f.editor.questionBox})
        v += QStringLiteral("|%1%2%3").arg(int(c->visible)).arg(int(c->enabled)).arg(c->text);
    for (int n = 1; n <= Alphabet::Size; ++n)
        v += s.letterButtons[n].enabled ? QLatin1Char('1') : QLatin1Char('0');
    for (int i = 1; i <= Board::Tiles; ++i)
        v += s.board.tiles[i].visible ? QLatin1Char('#') : QLatin1Char('.');
    for (int slot = 1; slot <= Round::Seats; ++slot)
        v += QStringLiteral("|%1 %2 %3").arg(int(s.player(slot).inRound)).arg(s.player(slot).roundScore).arg(s.player(slot).totalScore);
    return v;
}

struct Pauses {
    std::set<QString> seen;

    // The timer has just been started: it acts at its delay, not a millisecond before.
    void waitOut(GameFixture& g, const Timer& timer)
    {
        const auto delay = Delays.find(timer.name());
        ASSERT_NE(delay, Delays.end()) << timer.name().toStdString();
        ASSERT_TRUE(timer.isRunning()) << timer.name().toStdString();
        seen.insert(timer.name());
        const QString before = view(g);
        g.advance(delay->second - 1);
        EXPECT_TRUE(timer.isRunning() && view(g) == before) << timer.name().toStdString() << " acted before " << delay->second << " ms";
        g.advance(1);
        // A one-shot step stops itself; the boxes' first preparation changes nothing on view.
        EXPECT_TRUE(!timer.isRunning() || view(g) != before) << timer.name().toStdString() << " did not act at " << delay->second << " ms";
    }
};

void spinTo(GameFixture& g, const QString& sector)
{
    StudioForm& s = g.studio();
    g.random.push({Play::sectorNumber(sector) - 1, 0});
    g.click([&] { s.spinClicked(); });
}

}

TEST(Timers, EveryPauseLastsItsDelay)
{
    Pauses p;
    {
        // Two players: three right letters and the boxes, a miss, the prize
        // taken for money, the word, the end of the game.
        GameFixture g(Play::base({QStringLiteral("МОЛОКО")}));
        StudioForm& s = g.studio();
        Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 1);
        p.waitOut(g, s.firstTurnTimer);
        p.waitOut(g, s.promptTimer);
        spinTo(g, QStringLiteral("100"));
        p.waitOut(g, s.wheelStepTimer);
        while (s.wheelStepTimer.isRunning())
            g.clock.fireNext();
        p.waitOut(g, s.sectorMoveTimer);
        Play::letter(g, QStringLiteral("М"));
        for (const char* letter : {"О", "Л"}) {
            Play::spin(g, QStringLiteral("100"));
            Play::letter(g, QString::fromUtf8(letter));
        }
        p.waitOut(g, s.toBoxesTimer);
        TwoBoxesForm& boxes = g.screens->twoBoxes;
        p.waitOut(g, boxes.hidePointsTimer);
        g.click([&] { boxes.leftBoxClicked(); });
        p.waitOut(g, boxes.returnTimer);
        p.waitOut(g, s.boxesReturnTimer);
        Play::spin(g, QStringLiteral("100"));
        Play::letter(g, QStringLiteral("Я"));
        p.waitOut(g, s.missedLetterTimer);
        g.advance(3000);
        Play::spin(g, QStringLiteral("П"));
        g.click([&] { s.takePrizeClicked(); });
        BargainForm& bargain = g.screens->bargain;
        p.waitOut(g, bargain.firstOfferTimer);
        g.click([&] { bargain.moneyClicked(); });
        g.click([&] { bargain.moneyClicked(); });
        p.waitOut(g, bargain.moneyTakenTimer);
        p.waitOut(g, s.prizeReturnTimer);
        Play::nameWord(g, QStringLiteral("МОЛОКО"));
        p.waitOut(g, s.nextRoundTimer);
        p.waitOut(g, g.screens->endOfGame.exitTimer);
    }
    {
        // The black box opened after the last of three offers.
        GameFixture g(Play::base({QStringLiteral("КОТ")}));
        Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 3);
        g.advance(5000);
        Play::spin(g, QStringLiteral("П"));
        g.click([&] { g.studio().takePrizeClicked(); });
        g.random.push(0);
        g.advance(1000);
        BargainForm& bargain = g.screens->bargain;
        for (int click = 0; click < 3; ++click)
            g.click([&] { bargain.blackBoxClicked(); });
        p.waitOut(g, bargain.boxOpenedTimer);
    }
    {
        // A lone player's wrong word; then the editor from the menu.
        GameFixture g(Play::base({QStringLiteral("КОТ")}));
        Play::start(g, {QStringLiteral("Аня")}, 3);
        g.advance(5000);
        Play::nameWord(g, QStringLiteral("КИТ"));
        p.waitOut(g, g.studio().roundLostTimer);
        g.click([&] { g.studio().exitClicked(); });
        g.click([&] { g.screens->menu.editorClicked(); });
        p.waitOut(g, g.screens->editor.loadTimer);
    }
    EXPECT_EQ(p.seen.size(), Delays.size());
}

namespace {

// Every timer of the game's screens.
std::vector<const Timer*> allTimers(GameFixture& g)
{
    StudioForm& s = g.studio();
    const GameScreens& f = *g.screens;
    return {&s.firstTurnTimer, &s.promptTimer, &s.nextRoundTimer, &s.roundLostTimer, &s.prizeReturnTimer,
            &s.wheelStepTimer, &s.sectorMoveTimer, &s.missedLetterTimer, &s.boxesReturnTimer, &s.toBoxesTimer,
            &s.lastPlayerWatch, &f.bargain.firstOfferTimer, &f.bargain.boxOpenedTimer, &f.bargain.moneyTakenTimer,
            &f.twoBoxes.hidePointsTimer, &f.twoBoxes.returnTimer, &f.endOfGame.exitTimer, &f.editor.loadTimer};
}

// Where the game stands: what a player sees, which timers run (and the
// wheel's pace), and what the side screens hold back.
QString state(GameFixture& g)
{
    QString v = view(g) + QStringLiteral(" timers:");
    for (const Timer* t : allTimers(g))
        if (t->isRunning())
            v += QLatin1Char(' ') + t->name() + QLatin1Char('@') + QString::number(t->interval());
    const BargainForm& b = g.screens->bargain;
    const TwoBoxesForm& boxes = g.screens->twoBoxes;
    return v + QStringLiteral(" bargain %1 %2 %3 %4 boxes %5 phase %6")
                   .arg(b.offerStep)
                   .arg(b.offerAmount)
                   .arg(b.offerLimit)
                   .arg(b.blackBoxPoints)
                   .arg(boxes.luckyBox)
                   .arg(static_cast<int>(g.studio().round().phase()));
}

// One game that meets every timer the pause can meet, each wait of virtual
// time made by `wait`: three right letters and the two boxes, a missed letter,
// the prize taken for money, the last player's word; then the prize taken for
// the black box, a wrong word, nobody left, the end.
void everyTimerGame(GameFixture& g, const std::function<void(std::int64_t)>& wait)
{
    StudioForm& s = g.studio();
    BargainForm& bargain = g.screens->bargain;
    TwoBoxesForm& boxes = g.screens->twoBoxes;
    auto press = [&](const Form& form, const Control& c, const std::function<void()>& handler) {
        if (!g.press(form, c, handler))
            throw std::logic_error("a control that should be usable is not");
    };
    auto spin = [&](const char* sector) {
        g.random.push({Play::sectorNumber(QString::fromUtf8(sector)) - 1, 1});
        press(s, s.spinButton, [&] { s.spinClicked(); });
        wait(30000);
    };
    auto letter = [&](const char* l) {
        const int n = Alphabet::indexOf(QString::fromUtf8(l).at(0));
        press(s, s.letterButtons[n], [&] { s.letterClicked(n); });
    };
    auto word = [&](const char* w) {
        press(s, s.wordButton, [&] { s.wordClicked(); });
        press(s, s.wordBox, [&] { s.wordEdited(QString::fromUtf8(w)); });
    };
    Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 2);
    wait(5000);
    for (const char* l : {"М", "О", "Л"}) {
        spin("100");
        letter(l);
    }
    wait(3000 + 1);
    press(boxes, boxes.leftBox, [&] { boxes.leftBoxClicked(); });
    wait(3000 + 1);
    spin("100");
    letter("Я");
    wait(3000 + 3000);
    spin("П");
    press(s, s.takePrizeButton, [&] { s.takePrizeClicked(); });
    wait(1000);
    press(bargain, bargain.blackBox, [&] { bargain.blackBoxClicked(); });
    for (int click = 0; click < 2; ++click)
        press(bargain, bargain.money, [&] { bargain.moneyClicked(); });
    wait(3000 + 1 + 3000);
    word("МОЛОКО");
    wait(5000 + 5000);
    spin("П");
    press(s, s.takePrizeButton, [&] { s.takePrizeClicked(); });
    g.random.push(0);  // three offers, then the box opens
    wait(1000);
    for (int click = 0; click < 3; ++click)
        press(bargain, bargain.blackBox, [&] { bargain.blackBoxClicked(); });
    wait(3000 + 1 + 3000);
    word("КИТ");
    wait(4000 + 5000);
    EndForm& end = g.screens->endOfGame;
    press(end, end.exitButton, [&] { end.exitClicked(); });
}

// The game as it goes: the time and the state after every event.
struct Trace {
    std::vector<std::pair<std::int64_t, QString>> events;
    std::int64_t shift = 0;  // the pause's length, taken off the times after it
    bool on = true;
    void listen(GameFixture& g)
    {
        g.runtime.dispatcher.addListener([this, &g] {
            if (on)
                events.emplace_back(g.clock.now() - shift, state(g));
        });
    }
};

}

// A pause of ten minutes anywhere in a game, with any timer running (a wheel
// turning at any pace, the wait after a missed letter, the bargaining, the
// boxes), changes nothing, lets nothing happen, and afterwards every event
// comes exactly as long after the resume as it was due after the pause began.
TEST(Timers, PauseIsExact)
{
    constexpr std::int64_t TenMinutes = 10 * 60 * 1000;
    Trace unpaused;
    {
        GameFixture g(Play::base({QStringLiteral("МОЛОКО"), QStringLiteral("КОТ")}));
        unpaused.listen(g);
        everyTimerGame(g, [&](std::int64_t ms) { g.advance(ms); });
        ASSERT_TRUE(g.screens->menu.isVisible()) << state(g).toStdString();
    }
    // A moment in the middle of each different wait: what is on view and
    // which timers run (the wheel's first step apart from its slower ones).
    std::vector<std::int64_t> moments;
    {
        std::set<QString> kinds;
        const auto& ev = unpaused.events;
        for (std::size_t i = 0; i + 1 < ev.size(); ++i) {
            const auto [at, seen] = ev[i];
            const std::int64_t next = ev[i + 1].first;
            if (next == at)
                continue;
            const QString kind = seen.left(8) + seen.mid(seen.indexOf(QStringLiteral(" timers:")), seen.indexOf(QStringLiteral(" bargain ")) - seen.indexOf(QStringLiteral(" timers:")));
            QString key = kind;
            key.replace(QRegularExpression(QStringLiteral("wheelStepTimer@(?!150\\b)\\d+")), QStringLiteral("wheelStepTimer@slower"));
            if (kinds.insert(key).second)
                moments.push_back(at + (next - at) / 2);
        }
    }
    std::set<QString> pausedTimers;
    for (std::int64_t moment : moments) {
        SCOPED_TRACE(moment);
        GameFixture g(Play::base({QStringLiteral("МОЛОКО"), QStringLiteral("КОТ")}));
        Trace paused;
        paused.listen(g);
        Pause& pause = g.runtime.pause;
        auto toggle = [&] {
            StudioForm& s = g.studio();
            paused.on = false;
            const bool pressed = s.isVisible() ? g.press(s, s.pauseButton, [&] { s.pauseClicked(); })
                                : g.screens->bargain.isVisible() ? g.press(g.screens->bargain, pause.key, [&] { pause.toggle(); })
                                                                 : g.press(g.screens->twoBoxes, pause.key, [&] { pause.toggle(); });
            paused.on = true;
            return pressed;
        };
        everyTimerGame(g, [&](std::int64_t ms) {
            const std::int64_t now = g.clock.now() - paused.shift;
            if (moment < now || moment >= now + ms) {
                g.advance(ms);
                return;
            }
            g.advance(moment - now);
            const QString before = state(g);
            if (!g.studio().isVisible() && !g.screens->bargain.isVisible() && !g.screens->twoBoxes.isVisible()) {
                g.advance(ms - (moment - now));
                return;
            }
            for (const Timer* t : allTimers(g))
                if (t->isRunning())
                    pausedTimers.insert(t->name());
            ASSERT_TRUE(toggle());
            ASSERT_TRUE(pause.isOn());
            EXPECT_TRUE(pause.card.visible);
            EXPECT_FALSE(g.clock.hasPending()) << "a timer ticks in the pause";
            const std::size_t eventsBefore = paused.events.size();
            const QString inPause = state(g);
            g.advance(TenMinutes);
            paused.shift = TenMinutes;
            EXPECT_EQ(paused.events.size(), eventsBefore) << "something happened in the pause";
            EXPECT_EQ(state(g), inPause);
            ASSERT_TRUE(toggle());
            EXPECT_FALSE(pause.isOn());
            EXPECT_FALSE(pause.card.visible);
            EXPECT_EQ(state(g), before) << "the pause changed the game";
            g.advance(ms - (moment - now));
        });
        // Every event after the pause, at its time less the pause, is what it was without one.
        ASSERT_EQ(paused.events.size(), unpaused.events.size());
        for (std::size_t i = 0; i < paused.events.size(); ++i) {
            ASSERT_EQ(paused.events[i].first, unpaused.events[i].first) << "event " << i;
            ASSERT_EQ(paused.events[i].second, unpaused.events[i].second) << "event " << i;
        }
    }
    // Every timer of the game was caught running by some pause, but the
    // end screen's and the editor's, which no pause can reach.
    std::set<QString> expected;
    for (const auto& [name, delay] : Delays)
        expected.insert(name);
    expected.erase(QStringLiteral("exitTimer"));
    expected.erase(QStringLiteral("loadTimer"));
    expected.insert(QStringLiteral("lastPlayerWatch"));
    EXPECT_EQ(pausedTimers, expected);
}
