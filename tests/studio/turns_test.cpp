// SPDX-License-Identifier: GPL-3.0-or-later
// Turns, rounds, the result and leaving the studio.
#include "tests/studio/studio_play.h"

#include "tests/support/test_access.h"

#include <gtest/gtest.h>

#include <limits>

using Play::host;

namespace {

const QStringList Three = {QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вика")};

int redCount(StudioForm& s)
{
    int n = 0;
    for (int slot = 1; slot <= 3; ++slot)
        n += s.panel(slot).nameLabel.fontColor == Colors::Red ? 1 : 0;
    return n;
}

}

// The turn goes round 1 -> 2 -> 3 -> 1 and skips a player who left the round.
TEST(Turns, PassSkipsThePlayerWhoLeftTheRound)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, Three, 3);
    g.advance(2000);
    EXPECT_EQ(host(g), QStringLiteral("Первым ходит Аня."));
    EXPECT_EQ(s.round().current(), 1);
    g.advance(3000);

    Play::spin(g, QStringLiteral("100"));
    Play::letter(g, QStringLiteral("Я"));
    g.advance(3000);
    EXPECT_EQ(host(g), QStringLiteral("Сейчас ходит Боря."));
    g.advance(3000);

    Play::nameWord(g, QStringLiteral("ДОМ"));  // player 2 is out
    EXPECT_FALSE(s.player(2).inRound);
    EXPECT_EQ(s.round().current(), 3);
    EXPECT_EQ(host(g), QStringLiteral("Сейчас ходит Вика."));
    g.advance(3000);

    Play::spin(g, QStringLiteral("0"));
    EXPECT_EQ(s.round().current(), 1);
    EXPECT_EQ(host(g), QStringLiteral("Сейчас ходит Аня."));
    g.advance(3000);
    Play::spin(g, QStringLiteral("Б"));
    EXPECT_EQ(s.round().current(), 3);
    EXPECT_EQ(redCount(s), 1);
}

// Alone in the game, the player hears "И снова ходит" every turn and never gets the three moves.
TEST(Turns, OnePlayerGameKeepsTheTurnAndEndsTheRoundOnAWrongWord)
{
    GameFixture g(Play::base({QStringLiteral("КОТ"), QStringLiteral("ДОМ")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня")}, 2);
    g.advance(2000);
    EXPECT_EQ(host(g), QStringLiteral("И снова ходит Аня."));
    g.advance(3000);
    Play::spin(g, QStringLiteral("300"));
    Play::letter(g, QStringLiteral("О"));
    EXPECT_EQ(s.player(1).roundScore, 300);
    Play::spin(g, QStringLiteral("300"));
    Play::letter(g, QStringLiteral("Ы"));
    g.advance(3000);
    EXPECT_EQ(host(g), QStringLiteral("И снова ходит Аня."));
    g.advance(3000);

    Play::nameWord(g, QStringLiteral("КИТ"));
    EXPECT_EQ(host(g), QStringLiteral("К сожалению, ни один игрок не назвал слово. И мы переходим в следующий раунд!"));
    EXPECT_FALSE(s.lastPlayerWatch.isRunning());
    EXPECT_EQ(s.round().lastPlayerMoves(), LastPlayerMoves::Off);
    EXPECT_FALSE(s.banner.visible);
    g.advance(4000);
    EXPECT_EQ(s.round().roundNumber(), 2);
    EXPECT_EQ(s.player(1).totalScore, 300);  // a player out of the round keeps his points
    EXPECT_TRUE(s.player(1).inRound);
}

// Whoever won the last round, the next one opens with player 1; round points reach the totals once.
TEST(Turns, EveryRoundOpensWithPlayerOne)
{
    GameFixture g(Play::base({QStringLiteral("КОТ"), QStringLiteral("ДОМ")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 2);
    g.advance(5000);
    Play::spin(g, QStringLiteral("0"));
    g.advance(3000);
    Play::nameWord(g, QStringLiteral("КОТ"));
    EXPECT_EQ(s.player(2).roundScore, 2000);
    EXPECT_EQ(s.banner.text, QStringLiteral("Следующий раунд!"));
    g.advance(5000);
    EXPECT_EQ(s.round().roundNumber(), 2);
    EXPECT_EQ(s.round().current(), 1);
    EXPECT_EQ(s.player(2).totalScore, 2000);
    EXPECT_EQ(s.player(2).roundScore, 0);
    EXPECT_FALSE(s.banner.visible);
    g.advance(2000);
    EXPECT_EQ(host(g), QStringLiteral("Первым ходит Аня."));
}

struct ResultCase {
    int players;
    int scores[3];
    const char* expected;
    bool draw;
    // The second player's name, when not "Боря".
    const char* second = nullptr;
};

class GameResult : public ::testing::TestWithParam<ResultCase> {};

// The end screen names the one player with the greatest total, or "Ничья!" when it
// is shared, with the lettering for a winner or for a draw; a winner called "Ничья!"
// still gets the winner's.
TEST_P(GameResult, NamesTheWinnerOrADraw)
{
    const ResultCase c = GetParam();
    GameFixture g;
    StudioForm& s = g.studio();
    QStringList names = Three.mid(0, c.players);
    if (c.second)
        names[1] = QString::fromUtf8(c.second);
    Play::start(g, names, 1);
    g.click([&] {
        for (int seat = 1; seat <= 3; ++seat)
            TestAccess::setScores(s, seat, c.scores[seat - 1], 0);
        TestAccess::startRound(s);
    });
    EXPECT_TRUE(g.screens->endOfGame.isVisible());
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(g.screens->endOfGame.resultBox.text, QString::fromUtf8(c.expected));
    EXPECT_EQ(g.screens->endOfGame.drawLettering.visible, c.draw);
    EXPECT_EQ(g.screens->endOfGame.winnerLettering.visible, !c.draw);
}

INSTANTIATE_TEST_SUITE_P(Turns, GameResult,
                         ::testing::Values(ResultCase{3, {500, 500, 100}, "Ничья!", true},
                                           ResultCase{3, {500, 100, 100}, "Аня", false},
                                           ResultCase{3, {100, 100, 500}, "Вика", false},
                                           ResultCase{3, {100, 500, 500}, "Ничья!", true},
                                           ResultCase{3, {0, 0, 0}, "Ничья!", true},
                                           ResultCase{2, {300, 300, 0}, "Ничья!", true},
                                           ResultCase{2, {100, 200, 0}, "Боря", false},
                                           ResultCase{2, {100, 200, 0}, "Ничья!", false, "Ничья!"},
                                           ResultCase{1, {0, 0, 0}, "Аня", false}));

// "ВЫХОД" waits five seconds, and a second game starts the end screen afresh.
TEST(Turns, EndScreenOffersTheExitAfterFiveSeconds)
{
    GameFixture g;
    StudioForm& s = g.studio();
    EndForm& end = g.screens->endOfGame;
    for (int game = 0; game < 2; ++game) {
        Play::start(g, {QStringLiteral("Аня")}, 1);
        g.advance(5000);
        Play::nameWord(g, s.round().answer());
        g.advance(5000);
        ASSERT_TRUE(end.isVisible());
        EXPECT_EQ(end.resultBox.text, QStringLiteral("Аня"));
        g.advance(4999);
        EXPECT_FALSE(end.exitButton.visible);
        g.advance(1);
        EXPECT_TRUE(end.exitButton.visible);
        g.click([&] { end.exitClicked(); });
        EXPECT_TRUE(g.screens->menu.isVisible());
        EXPECT_FALSE(end.isVisible());
        EXPECT_TRUE(end.resultBox.text.isEmpty());
        EXPECT_FALSE(end.exitButton.visible);
    }
}

// With nine rounds the tenth question is laid out as the game ends, and the banner of round 9 closes the game.
TEST(Turns, NineRoundsEndWithTheClosingBanner)
{
    GameFixture g;
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня")}, 9);
    for (int round = 1; round <= 9; ++round) {
        g.advance(5000);
        ASSERT_EQ(s.round().roundNumber(), round);
        Play::nameWord(g, s.round().answer());
        EXPECT_EQ(s.banner.text, round == 9 ? QStringLiteral("Игра окончена!") : QStringLiteral("Следующий раунд!"));
        g.advance(5000);
    }
    EXPECT_EQ(s.round().roundNumber(), 10);
    EXPECT_EQ(s.round().answer(), s.roundAnswers[10]);
    EXPECT_EQ(s.player(1).totalScore, 18000);
    EXPECT_TRUE(g.screens->endOfGame.isVisible());
}

// "Новая игра" in the middle of a spin stops the old chain; nothing of it reaches the new game.
TEST(Turns, NewGameStopsTheOldChainAndClosesTheWordBox)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, Three, 3);
    g.advance(5000);
    g.click([&] { s.wordClicked(); });
    ASSERT_TRUE(s.wordBox.visible);
    Play::start(g, Three, 3);  // through the menu again, names kept
    EXPECT_FALSE(s.wordBox.visible);
    EXPECT_FALSE((s.round().phase() == Phase::WordEntry));
    g.advance(5000);
    g.random.push({0, 0});
    g.click([&] { s.spinClicked(); });
    ASSERT_TRUE(s.wheelStepTimer.isRunning());
    const QString wheelAt = s.wheel.labels[1].text;
    g.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.click([&] { s.newGameClicked(); });
    for (Timer* t : {&s.promptTimer, &s.nextRoundTimer, &s.roundLostTimer, &s.prizeReturnTimer, &s.wheelStepTimer, &s.sectorMoveTimer, &s.missedLetterTimer, &s.boxesReturnTimer,
                     &s.toBoxesTimer, &s.lastPlayerWatch})
        EXPECT_FALSE(t->isRunning()) << t->name().toStdString();
    EXPECT_TRUE(s.firstTurnTimer.isRunning());
    EXPECT_EQ(s.wheel.labels[1].text, wheelAt);  // the wheel stays where it was
    EXPECT_EQ(s.round().roundNumber(), 1);
    g.advance(2000);
    EXPECT_EQ(host(g), QStringLiteral("Первым ходит Аня."));
}

// "Новая игра" pressed while a won round's banner is up must not carry the banner into the new game,
// where it would read as a solved word and leave the player nothing to press.
TEST(Turns, NewGameDuringTheRoundBannerStartsClean)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня")}, 3);
    g.advance(5000);
    Play::nameWord(g, QStringLiteral("КОТ"));
    ASSERT_TRUE(s.banner.visible);
    g.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.click([&] { s.newGameClicked(); });
    EXPECT_FALSE(s.banner.visible);
    g.advance(5000);
    Play::spin(g, QStringLiteral("100"));
    Play::letter(g, QStringLiteral("О"));
    EXPECT_TRUE(s.spinButton.enabled && s.wordButton.enabled);
}

// "Новая игра" counts the players the set-up named, even when the last of them is out of the round.
TEST(Turns, NewGameCountsPlayersFromTheirNames)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, Three, 3);
    g.advance(5000);
    Play::spin(g, QStringLiteral("0"));
    g.advance(3000);
    Play::spin(g, QStringLiteral("0"));
    g.advance(3000);
    ASSERT_EQ(s.round().current(), 3);
    Play::nameWord(g, QStringLiteral("ЛЕС"));
    ASSERT_FALSE(s.player(3).inRound);
    g.random.push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    g.click([&] { s.newGameClicked(); });
    EXPECT_EQ(s.round().playerCount(), 3);
    EXPECT_TRUE(s.player(3).inRound);
}

// "Выход" abandons the game: no timer runs on behind the menu and only "Новая игра" can restart play.
TEST(Turns, ExitStopsTheGameBehindTheMenu)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, Three, 1);
    g.advance(5000);
    g.random.push({0, 0});
    g.click([&] { s.spinClicked(); });
    g.click([&] { s.exitClicked(); });
    EXPECT_TRUE(g.screens->menu.isVisible());
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(g.clock.hasPending());
    g.advance(60000);
    EXPECT_FALSE(g.screens->endOfGame.isVisible());

    g.click([&] { g.screens->menu.newGameClicked(); });
    g.click([&] { g.screens->setup.okClicked(); });
    ASSERT_TRUE(s.isVisible());
    EXPECT_FALSE(s.spinButton.enabled);
    EXPECT_FALSE(s.wordButton.enabled);
    for (int n = 1; n <= 33; ++n)
        EXPECT_FALSE(s.letterButtons[n].enabled);
    EXPECT_TRUE(s.newGameButton.enabled);
}

// A base with too few playable questions stops the game with a message instead of hanging.
TEST(Turns, TooFewQuestionsForTheRoundsIsReported)
{
    auto records = sampleBase();
    for (std::size_t i = 3; i < records.size(); ++i)
        records[i].first.clear();
    GameFixture g(records);
    g.startGame({QStringLiteral("Аня")}, 5);
    ASSERT_EQ(g.errors.size(), 1);
    EXPECT_TRUE(g.errors[0].contains(QStringLiteral("3 вопроса")));
    EXPECT_FALSE(g.studio().firstTurnTimer.isRunning());

    g.startGame({QStringLiteral("Аня")}, 3);  // three are enough for three rounds
    EXPECT_EQ(g.errors.size(), 1);
    EXPECT_TRUE(g.studio().firstTurnTimer.isRunning());
    for (int round = 1; round <= 3; ++round)
        EXPECT_FALSE(g.studio().roundAnswers[static_cast<std::size_t>(round)].isEmpty());
}

// Scores stop at the 32-bit limit instead of wrapping to a negative number.
TEST(Turns, ScoresSaturateAtTheLimit)
{
    GameFixture g(Play::base({QStringLiteral("КОТ")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня")}, 2);
    g.advance(5000);
    g.click([&] { TestAccess::setScores(s, 1, std::numeric_limits<int>::max() - 100, 0); });
    Play::spin(g, QStringLiteral("x2"));
    Play::letter(g, QStringLiteral("К"));
    EXPECT_EQ(s.player(1).roundScore, std::numeric_limits<int>::max());
    Play::nameWord(g, QStringLiteral("КОТ"));
    EXPECT_EQ(s.player(1).roundScore, std::numeric_limits<int>::max());
    g.click([&] { TestAccess::setScores(s, 1, s.player(1).roundScore, 5); });
    g.advance(5000);
    EXPECT_EQ(s.player(1).totalScore, std::numeric_limits<int>::max());
}
