// SPDX-License-Identifier: GPL-3.0-or-later
// Naming the whole word.
#include "tests/studio/studio_play.h"

#include <gtest/gtest.h>

using Play::host;

using Play::Game;

// The word is handed in the moment it is as long as the answer; a right one pays 2000 and shows the board.
TEST(Word, RightWordWinsTheRound)
{
    Game game({QStringLiteral("КАРАВАН")});
    Play::spin(game.g, QStringLiteral("100"));
    Play::letter(game.g, QStringLiteral("А"));
    game.g.click([&] { game.s.wordClicked(); });
    EXPECT_TRUE(game.s.wordBox.visible);
    EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
    for (int n = 1; n <= 33; ++n)
        EXPECT_TRUE(game.s.letterButtons[n].visible && game.s.letterButtons[n].enabled);

    game.g.click([&] { game.s.wordEdited(QStringLiteral("караВа")); });  // typed letters become capitals
    EXPECT_EQ(game.s.wordBox.text, QStringLiteral("КАРАВА"));
    EXPECT_TRUE(game.s.wordBox.visible);
    Play::letter(game.g, QStringLiteral("Н"));  // the letter buttons type too
    EXPECT_FALSE(game.s.wordBox.visible);
    EXPECT_TRUE(game.s.wordBox.text.isEmpty());
    EXPECT_EQ(host(game.g), QStringLiteral("Правильно!!!!"));
    EXPECT_EQ(game.s.player(1).roundScore, 300 + 2000);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(game.s.board.tiles[i].visible);
    EXPECT_TRUE(game.s.banner.visible);
    EXPECT_EQ(game.s.banner.text, QStringLiteral("Следующий раунд!"));
    EXPECT_FALSE(game.s.letterButtons[1].visible);  // "А" was used before the entry opened
    EXPECT_TRUE(game.s.letterButtons[15].visible);   // "Н" was only typed
    for (int n = 1; n <= 33; ++n)
        EXPECT_FALSE(game.s.letterButtons[n].enabled);
    game.g.advance(5000);
    EXPECT_EQ(game.s.round().roundNumber(), 2);
}

// A wrong word puts the player out; his points stay; the used letters disappear again.
TEST(Word, WrongWordPutsThePlayerOut)
{
    Game game({QStringLiteral("КОТ")}, 3);
    Play::spin(game.g, QStringLiteral("450"));
    Play::letter(game.g, QStringLiteral("О"));
    Play::nameWord(game.g, QStringLiteral("КИТ"));
    EXPECT_FALSE(game.s.player(1).inRound);
    EXPECT_EQ(game.s.player(1).roundScore, 450);
    EXPECT_EQ(game.s.round().current(), 2);
    EXPECT_EQ(host(game.g), QStringLiteral("Сейчас ходит Боря."));
    EXPECT_FALSE(game.s.wordBox.visible);
    EXPECT_FALSE(game.s.letterButtons[16].visible);
    EXPECT_TRUE(game.s.letterButtons[1].visible);
    EXPECT_FALSE(game.s.letterButtons[1].enabled);
    EXPECT_TRUE(game.s.board.tiles[1].visible);
    game.g.advance(5000);
    EXPECT_EQ(game.s.player(1).totalScore, 0);
}

// A word of the right length that differs in a Latin letter or a digit is wrong.
TEST(Word, LookAlikeCharactersAreWrong)
{
    Game game({QStringLiteral("ТУ154")}, 1);
    Play::nameWord(game.g, QStringLiteral("TУ154"));  // Latin T
    EXPECT_EQ(host(game.g), QStringLiteral("К сожалению, ни один игрок не назвал слово. И мы переходим в следующий раунд!"));
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(game.s.board.tiles[i].visible);
    EXPECT_TRUE(game.s.roundLostTimer.isRunning());
    EXPECT_FALSE(game.s.nextRoundTimer.isRunning());
}

// The last round's right word shows "Игра окончена!", and the game ends 5 s later.
TEST(Word, RightWordInTheLastRoundClosesTheGame)
{
    Game game({QStringLiteral("КОТ"), QStringLiteral("ДОМ")}, 2, 2);
    Play::nameWord(game.g, QStringLiteral("КОТ"));
    EXPECT_EQ(game.s.banner.text, QStringLiteral("Следующий раунд!"));
    game.g.advance(10000);
    Play::nameWord(game.g, QStringLiteral("ДОМ"));
    EXPECT_EQ(game.s.banner.text, QStringLiteral("Игра окончена!"));
    game.g.advance(5000);
    EXPECT_TRUE(game.g.screens->endOfGame.isVisible());
    EXPECT_EQ(game.s.player(1).totalScore, 4000);
}
