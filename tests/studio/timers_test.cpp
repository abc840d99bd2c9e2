// SPDX-License-Identifier: GPL-3.0-or-later
// Every pause of the game lasts exactly as long as the rules say: one
// millisecond before its end nothing a player sees has changed, at its end it has.
#include "tests/studio/studio_play.h"

#include "rules/alphabet.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

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
