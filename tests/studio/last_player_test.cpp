// SPDX-License-Identifier: GPL-3.0-or-later
// The last player left in a round: three effective moves, then the word.
#include "tests/studio/studio_play.h"

#include "tests/support/test_access.h"

#include <gtest/gtest.h>

using Play::host;

namespace {

const QString Entry = QStringLiteral("Все игроки выбыли из игры! У вас осталось три результативных хода!");
const QString TimeUp = QStringLiteral("Три хода истекли. Назовите слово.");

// Two players; player 1 names a wrong word so that player 2 is the last one left.
struct LastPlayer {
    explicit LastPlayer(const QString& answer, int rounds = 2) : g(Play::base({answer, QStringLiteral("ДОМ")}))
    {
        Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, rounds);
        g.advance(5000);
        Play::nameWord(g, QString(answer.size(), QChar(u'Я')));
    }
    // Spins and checks the message of the count at the click.
    void spin(const QString& sector, const QString& expectedAtClick = {})
    {
        g.random.push({Play::sectorNumber(sector) - 1, 0});
        g.click([&] { s.spinClicked(); });
        if (!expectedAtClick.isEmpty()) {
            EXPECT_EQ(host(g), expectedAtClick);
        }
        while (s.wheelStepTimer.isRunning() || s.sectorMoveTimer.isRunning())
            g.clock.fireNext();
    }
    GameFixture g;
    StudioForm& s = g.studio();
};

}

// One message on entering the rule, one per spin, the rule's own replies, then the forced word entry.
TEST(LastPlayer, ThreeMovesThenTheWordIsForced)
{
    LastPlayer p(QStringLiteral("КАРАВАН"));
    EXPECT_EQ(host(p.g), Entry);
    EXPECT_EQ(p.s.round().current(), 2);
    EXPECT_TRUE(p.s.lastPlayerWatch.isRunning());
    EXPECT_TRUE(p.s.spinButton.enabled && p.s.wordButton.enabled);

    p.spin(QStringLiteral("100"), QStringLiteral("У вас осталось два результативных хода!"));
    Play::letter(p.g, QStringLiteral("А"));
    EXPECT_EQ(host(p.g), QStringLiteral("Правильно! Назовём слово?"));
    EXPECT_EQ(p.s.player(2).roundScore, 300);

    p.spin(QStringLiteral("100"), QStringLiteral("У вас остался только один результативный ход!"));
    Play::letter(p.g, QStringLiteral("Ю"));
    EXPECT_EQ(host(p.g), QStringLiteral("Нет такой буквы в этом слове. Что будем делать?"));
    p.g.advance(3000);
    EXPECT_EQ(p.s.round().current(), 2);
    EXPECT_EQ(host(p.g), QStringLiteral("Опять ходит Боря."));  // the entry message is given once only
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::SecondTaken);
    p.g.advance(3000);  // the prompt stays silent while the rule drives the turn
    EXPECT_EQ(host(p.g), QStringLiteral("Опять ходит Боря."));

    p.spin(QStringLiteral("100"), QStringLiteral("Это ваш последний ход."));
    Play::letter(p.g, QStringLiteral("К"));
    EXPECT_EQ(host(p.g), TimeUp);
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp);
    EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
    EXPECT_TRUE(p.s.wordBox.visible);
    EXPECT_TRUE((p.s.round().phase() == Phase::WordEntry));
    EXPECT_FALSE(p.s.spinButton.enabled || p.s.wordButton.enabled);

    Play::nameWord(p.g, QStringLiteral("КАРАВАН"));
    EXPECT_EQ(p.s.player(2).roundScore, 400 + 2000);
    EXPECT_TRUE(p.s.nextRoundTimer.isRunning());
    p.g.advance(5000);
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::Off);  // every round starts without the rule
    EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
}

// A third move that solves the word ends the round with "Правильно!!!" and no entry.
TEST(LastPlayer, ThirdMoveSolvingTheWordEndsTheRound)
{
    LastPlayer p(QStringLiteral("КОТ"));
    p.g.click([&] { TestAccess::openTile(p.s, 1), TestAccess::openTile(p.s, 2); });
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("Б"));
    p.g.advance(3000);
    p.spin(QStringLiteral("200"));
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::ThirdTaken);
    Play::letter(p.g, QStringLiteral("Т"));
    EXPECT_EQ(host(p.g), QStringLiteral("Правильно!!!"));
    EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
    EXPECT_FALSE(p.s.wordBox.visible);
    EXPECT_TRUE(p.s.banner.visible);
    p.g.advance(5000);
    EXPECT_EQ(p.s.round().roundNumber(), 2);
    EXPECT_EQ(p.s.player(2).totalScore, 200);
}

// A third move lost on "0" ends the moves when the turn comes back: 3 -> 4 in the turn change, entry forced.
TEST(LastPlayer, ThirdMoveOnZeroForcesTheWordWhenTheTurnComesBack)
{
    LastPlayer p(QStringLiteral("КОТ"));
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("0"));
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp);
    EXPECT_EQ(host(p.g), TimeUp);
    EXPECT_TRUE(p.s.wordBox.visible);
    Play::nameWord(p.g, QStringLiteral("КИТ"));
    EXPECT_FALSE(p.s.player(2).inRound);
    EXPECT_TRUE(p.s.roundLostTimer.isRunning());
    p.g.advance(4000);
    EXPECT_EQ(p.s.round().roundNumber(), 2);
}

// "+" on the first move ends with "Буква открыта!"; on the third it disables the spin and the entry
// opens, tile 2 included (all tiles behave alike).
TEST(LastPlayer, PlusDuringTheMoves)
{
    for (int last : {2, 5}) {
        LastPlayer p(QStringLiteral("КАРАВАН"));
        p.spin(QStringLiteral("+"));
        p.g.click([&] { p.s.tileClicked(1); });
        EXPECT_EQ(host(p.g), QStringLiteral("Буква открыта!"));
        EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::FirstTaken);
        p.spin(QStringLiteral("+"));
        p.g.click([&] { p.s.tileClicked(3); });
        p.spin(QStringLiteral("+"));
        EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::ThirdTaken);
        p.g.click([&] { p.s.tileClicked(last); });
        EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp) << last;
        EXPECT_EQ(host(p.g), TimeUp);
        EXPECT_FALSE(p.s.spinButton.enabled);
        EXPECT_TRUE(p.s.wordBox.visible);
        EXPECT_EQ(p.s.player(2).roundScore, 0);
    }
}

// The last "+" that completes the board ends the round; no word entry opens.
TEST(LastPlayer, PlusCompletingTheBoardOnTheThirdMoveOpensNoEntry)
{
    LastPlayer p(QStringLiteral("КОТ"));
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.g.click([&] { TestAccess::openTile(p.s, 1), TestAccess::openTile(p.s, 2); });
    p.spin(QStringLiteral("+"));
    p.g.click([&] { p.s.tileClicked(3); });
    EXPECT_EQ(host(p.g), QStringLiteral("Все буквы открыты!"));
    EXPECT_FALSE(p.s.wordBox.visible);
    EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
    EXPECT_FALSE(p.s.spinButton.enabled || p.s.wordButton.enabled);
    p.g.advance(5000);
    EXPECT_EQ(p.s.round().roundNumber(), 2);
}

// A bonus earned with the third move is played first (4 -> 5 -> 4), then the entry opens.
TEST(LastPlayer, BonusOnTheThirdMoveComesBeforeTheWord)
{
    LastPlayer p(QStringLiteral("КАРАВАН"));
    p.spin(QStringLiteral("50"));
    Play::letter(p.g, QStringLiteral("К"));
    p.spin(QStringLiteral("50"));
    Play::letter(p.g, QStringLiteral("Р"));
    p.spin(QStringLiteral("50"));
    Play::letter(p.g, QStringLiteral("В"));
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUpAtBonus);
    EXPECT_FALSE(p.s.wordBox.visible);
    EXPECT_FALSE(p.s.spinButton.enabled);
    p.g.random.push(1);
    p.g.advance(3001);
    ASSERT_TRUE(p.g.screens->twoBoxes.isVisible());
    p.g.click([&] { p.g.screens->twoBoxes.rightBoxClicked(); });
    p.g.advance(3001);
    EXPECT_EQ(p.s.player(2).roundScore, 150 + 1500);
    EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp);
    EXPECT_EQ(host(p.g), TimeUp);
    EXPECT_TRUE(p.s.wordBox.visible);
    EXPECT_FALSE(p.s.spinButton.enabled || p.s.wordButton.enabled);
}

// If the bonus letter of the third move also solved the word, the round ends after the boxes.
TEST(LastPlayer, BonusThatSolvedTheWordOpensNoEntry)
{
    LastPlayer p(QStringLiteral("КОТ"));
    for (const char* l : {"К", "О", "Т"}) {
        p.spin(QStringLiteral("50"));
        Play::letter(p.g, QString::fromUtf8(l));
    }
    EXPECT_TRUE(p.s.round().wordSolvedAtBonus());
    p.g.advance(3001);
    p.g.click([&] { p.g.screens->twoBoxes.leftBoxClicked(); });
    p.g.advance(3001);
    EXPECT_EQ(host(p.g), QStringLiteral("Вы отгадали слово!"));
    EXPECT_FALSE(p.s.wordBox.visible);
    EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
    EXPECT_TRUE(p.s.nextRoundTimer.isRunning());
    p.g.advance(60000);
    EXPECT_EQ(p.s.round().roundNumber(), 2);
    EXPECT_EQ(p.s.player(2).totalScore, 150 + p.g.screens->twoBoxes.boxPoints * (p.g.screens->twoBoxes.luckyBox == 1));
    EXPECT_FALSE(p.s.wordBox.visible);
}

// A miss on the third move opens the entry during the 3 s pause; a word handed in then settles the
// round: no pass of the turn follows and no second entry opens.
TEST(LastPlayer, WordDuringThePauseAfterTheLastMissEndsEverything)
{
    for (bool right : {true, false}) {
        LastPlayer p(QStringLiteral("КОТ"));
        p.spin(QStringLiteral("0"));
        p.g.advance(3000);
        p.spin(QStringLiteral("0"));
        p.g.advance(3000);
        p.spin(QStringLiteral("100"));
        Play::letter(p.g, QStringLiteral("Ю"));
        EXPECT_EQ(host(p.g), TimeUp);
        ASSERT_TRUE(p.s.wordBox.visible);
        ASSERT_TRUE(p.s.missedLetterTimer.isRunning());
        p.g.advance(1000);
        Play::nameWord(p.g, right ? QStringLiteral("КОТ") : QStringLiteral("КИТ"));
        const QString verdict = host(p.g);
        p.g.advance(2500);
        EXPECT_EQ(host(p.g), verdict);
        EXPECT_FALSE(p.s.wordBox.visible);
        EXPECT_FALSE(p.s.lastPlayerWatch.isRunning());
        EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp);
        p.g.advance(10000);
        EXPECT_EQ(p.s.round().roundNumber(), 2);
        EXPECT_EQ(p.s.player(2).totalScore, right ? 2000 : 0);
    }
}

// The last player may name the word at once, before the turn's prompt is due; the prompt must not
// reopen the spin and word buttons in the round that word has settled.
TEST(LastPlayer, WordNamedAtOnceIsNotFollowedByThePrompt)
{
    for (bool right : {true, false}) {
        LastPlayer p(QStringLiteral("КОТ"));
        Play::nameWord(p.g, right ? QStringLiteral("КОТ") : QStringLiteral("КИТ"));
        p.g.advance(3000);
        EXPECT_FALSE(p.s.spinButton.enabled || p.s.wordButton.enabled);
        EXPECT_EQ(host(p.g), right ? QStringLiteral("Правильно!!!!")
                                   : QStringLiteral("К сожалению, ни один игрок не назвал слово. И мы переходим в следующий раунд!"));
        p.g.advance(2000);
        EXPECT_EQ(p.s.round().roundNumber(), 2);
        EXPECT_EQ(p.s.player(2).totalScore, right ? 2000 : 0);
    }
}

// Left alone through the pause, the entry is opened again with what was typed so far.
TEST(LastPlayer, PauseEndingBringsTheEntryBack)
{
    LastPlayer p(QStringLiteral("КОТ"));
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("0"));
    p.g.advance(3000);
    p.spin(QStringLiteral("100"));
    Play::letter(p.g, QStringLiteral("Ю"));
    p.g.click([&] { p.s.wordEdited(QStringLiteral("К")); });
    p.g.advance(3000);
    EXPECT_TRUE(p.s.wordBox.visible);
    EXPECT_TRUE((p.s.round().phase() == Phase::WordEntry));
    EXPECT_EQ(p.s.wordBox.text, QStringLiteral("К"));
    EXPECT_TRUE(p.s.letterButtons[1].enabled);
    Play::letter(p.g, QStringLiteral("О"));
    Play::letter(p.g, QStringLiteral("Т"));
    EXPECT_EQ(p.s.player(2).roundScore, 2000);
}

// When the last player takes the prize nobody is left and the round ends.
TEST(LastPlayer, TakingThePrizeEndsTheRound)
{
    LastPlayer p(QStringLiteral("КОТ"));
    p.spin(QStringLiteral("П"));
    p.g.click([&] { p.s.takePrizeClicked(); });
    BargainForm& b = p.g.screens->bargain;
    p.g.random.push({0, 5, 7});  // three offers; the first is 15, the box holds 17
    p.g.advance(1000);
    p.g.click([&] { b.moneyClicked(); });
    p.g.click([&] { b.moneyClicked(); });
    EXPECT_EQ(b.settled(), 15);
    p.g.advance(3001);
    EXPECT_EQ(host(p.g), QStringLiteral("Как я вижу, у нас не осталось игроков! Переходим в следующий раунд!"));
    EXPECT_EQ(p.s.player(2).roundScore, 15);
    EXPECT_FALSE(p.s.player(2).inRound);
    EXPECT_TRUE(p.s.banner.visible);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(p.s.board.tiles[i].visible);
    p.g.advance(5000);
    EXPECT_EQ(p.s.round().roundNumber(), 2);
    EXPECT_EQ(p.s.player(2).totalScore, 15);
}

// With every letter used and a hyphen still covered, each spin is still one of
// the three moves: the third forces the word entry once, and nothing else can be pressed.
TEST(LastPlayer, SpinsWithNoLetterLeftCountAsMoves)
{
    for (const QString& last : {QStringLiteral("100"), QStringLiteral("П")}) {
        LastPlayer p(QStringLiteral("Ф-1"));
        p.g.click([&] {
            for (int n = 1; n <= 33; ++n)
                TestAccess::useLetter(p.s, n);  // every letter already named this round
        });
        p.spin(QStringLiteral("100"));
        p.spin(QStringLiteral("400"));
        ASSERT_TRUE(p.s.spinButton.enabled);
        p.spin(last, QStringLiteral("Это ваш последний ход."));
        EXPECT_EQ(p.s.round().lastPlayerMoves(), LastPlayerMoves::UsedUp);
        EXPECT_EQ(host(p.g), TimeUp);
        EXPECT_TRUE(p.s.wordBox.visible && (p.s.round().phase() == Phase::WordEntry));
        EXPECT_FALSE(p.s.spinButton.enabled || p.s.wordButton.enabled || p.s.takePrizeButton.visible);
        Play::nameWord(p.g, QStringLiteral("Ф-1"));
        EXPECT_EQ(p.s.player(2).roundScore, 2000);
        p.g.advance(5000);
        EXPECT_FALSE(p.s.wordBox.visible);
    }
}
