// SPDX-License-Identifier: GPL-3.0-or-later
// Naming letters: opening tiles, scoring, the host's replies, the turn and the two boxes.
#include "tests/studio/studio_play.h"

#include "tests/support/test_access.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using Play::host;

using Play::Game;

// A letter found three times on "250" opens the three tiles together and pays 750.
TEST(Letters, EveryPlaceOfTheLetterOpensAndPays)
{
    Game game({QStringLiteral("КАРАВАН")});
    Play::spin(game.g, QStringLiteral("250"));
    game.g.random.push({0, 1});
    game.g.sounds.clear();
    Play::letter(game.g, QStringLiteral("А"));
    EXPECT_EQ(game.s.player(1).roundScore, 750);
    // A chime per opened tile, nothing else.
    EXPECT_EQ(game.g.sounds.played, std::vector<Sound>(3, Sound::Chime));
    for (int i : {2, 4, 6})
        EXPECT_FALSE(game.s.board.tiles[i].visible);
    for (int i : {1, 3, 5, 7})
        EXPECT_TRUE(game.s.board.tiles[i].visible);
    EXPECT_EQ(host(game.g), QStringLiteral("Таких букв здесь 3. Знаете слово? Нет — крутите барабан!"));
    EXPECT_FALSE(game.s.letterButtons[1].visible);
    EXPECT_TRUE(game.s.spinButton.enabled && game.s.wordButton.enabled);
    for (int n = 1; n <= 33; ++n)
        EXPECT_FALSE(game.s.letterButtons[n].enabled);

    // A single letter gets the plain reply and pays the sector once. With the
    // sound switched off nothing is heard, and the rules go on as before.
    game.g.click([&] { game.s.soundClicked(); });
    EXPECT_FALSE(game.s.soundOn());
    game.g.sounds.clear();
    Play::spin(game.g, QStringLiteral("300"));
    game.g.random.push(1);
    Play::letter(game.g, QStringLiteral("Н"));
    EXPECT_EQ(game.s.player(1).roundScore, 1050);
    EXPECT_EQ(host(game.g), QStringLiteral("Правильно, вы, наверное, знали! Что будем делать?"));
    EXPECT_TRUE(game.g.sounds.played.empty());
    game.g.click([&] { game.s.soundClicked(); });
    EXPECT_TRUE(game.s.soundOn());

    // Exactly two tiles: the reply that counts them says 2, and a noun beside
    // the number agrees with it ("2 буквы", never "2 букв").
    for (int r = 0; r < 3; ++r) {
        Game two({QStringLiteral("МАМА")});
        Play::spin(two.g, QStringLiteral("100"));
        two.g.random.push({0, r});
        Play::letter(two.g, QStringLiteral("М"));
        const QString said = host(two.g);
        EXPECT_TRUE(said.contains(QRegularExpression(QStringLiteral("(^|\\D)2(\\D|$)")))) << r << said.toStdString();
        EXPECT_FALSE(said.contains(QRegularExpression(QStringLiteral("(^|\\D)2 (букв|буква)([^а-яё]|$)")))) << r;
        EXPECT_EQ(two.s.player(1).roundScore, 200);
    }
}

// "x2" doubles the round score whatever the count; 0 stays 0.
TEST(Letters, DoublingSector)
{
    Game game({QStringLiteral("КАРАВАН")});
    Play::spin(game.g, QStringLiteral("x2"));
    Play::letter(game.g, QStringLiteral("К"));
    EXPECT_EQ(game.s.player(1).roundScore, 0);
    Play::spin(game.g, QStringLiteral("150"));
    Play::letter(game.g, QStringLiteral("Р"));
    ASSERT_EQ(game.s.player(1).roundScore, 150);
    game.g.click([&] { TestAccess::setLettersInRow(game.s, 0); });  // no bonus in between
    Play::spin(game.g, QStringLiteral("x2"));
    Play::letter(game.g, QStringLiteral("А"));
    EXPECT_EQ(game.s.player(1).roundScore, 300);
}

// "Е" and "Ё" are different letters both ways.
TEST(Letters, YeAndYoAreDifferentLetters)
{
    Game game({QStringLiteral("ЁЖ")});
    Play::spin(game.g, QStringLiteral("500"));
    Play::letter(game.g, QStringLiteral("Е"));
    EXPECT_EQ(host(game.g), QStringLiteral("Увы, такой буквы в этом слове нет. Ход переходит другому."));
    EXPECT_TRUE(game.s.board.tiles[1].visible);
    EXPECT_TRUE(game.s.letterButtons[7].visible);
    game.g.advance(6000);
    Play::spin(game.g, QStringLiteral("500"));
    Play::letter(game.g, QStringLiteral("Ё"));
    EXPECT_FALSE(game.s.board.tiles[1].visible);
    EXPECT_EQ(game.s.player(2).roundScore, 500);
}

// A miss keeps the score, uses the letter up and passes the turn after exactly 3 s.
TEST(Letters, MissPassesTheTurnAfterThePause)
{
    Game game({QStringLiteral("КОТ")});
    Play::spin(game.g, QStringLiteral("100"));
    Play::letter(game.g, QStringLiteral("О"));
    Play::spin(game.g, QStringLiteral("100"));
    Play::letter(game.g, QStringLiteral("Я"));
    EXPECT_EQ(game.s.player(1).roundScore, 100);
    EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
    game.g.advance(2999);
    EXPECT_EQ(game.s.round().current(), 1);
    game.g.advance(1);
    EXPECT_EQ(game.s.round().current(), 2);
    EXPECT_EQ(game.s.round().lettersInRow(), 0);
    game.g.advance(3000);
    Play::spin(game.g, QStringLiteral("100"));
    EXPECT_FALSE(game.s.letterButtons[33].visible);  // "Я" stays used
    EXPECT_FALSE(game.s.letterButtons[16].visible);
    EXPECT_TRUE(game.s.letterButtons[20].enabled);
}

// Three correct letters in a row: the pause, the boxes, the credit, and the same player goes on.
TEST(Letters, ThreeInARowEarnsTheTwoBoxes)
{
    for (int lucky : {0, 1}) {
        Game game({QStringLiteral("КАРАВАН")});
        TwoBoxesForm& boxes = game.g.screens->twoBoxes;
        Play::spin(game.g, QStringLiteral("100"));
        Play::letter(game.g, QStringLiteral("К"));
        Play::spin(game.g, QStringLiteral("100"));
        Play::letter(game.g, QStringLiteral("Р"));
        Play::spin(game.g, QStringLiteral("100"));
        game.g.random.push({0, 1});
        Play::letter(game.g, QStringLiteral("В"));
        EXPECT_EQ(host(game.g), QStringLiteral("За три угаданные буквы вы имеете право на две шкатулки!"));
        EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
        EXPECT_TRUE(game.s.toBoxesTimer.isRunning());
        game.g.advance(2999);
        EXPECT_TRUE(game.s.isVisible());
        game.g.random.push(lucky);  // box 1 holds the points when 0 is drawn
        game.g.advance(2);
        ASSERT_TRUE(boxes.isVisible());
        EXPECT_FALSE(game.s.isVisible());
        EXPECT_TRUE(boxes.leftBox.enabled && boxes.rightBox.enabled);
        game.g.click([&] { boxes.leftBoxClicked(); });
        EXPECT_EQ(boxes.hostSpeech.text, lucky == 0 ? QStringLiteral("Вы угадали! И заработали 1500 очков!")
                                               : QStringLiteral("Увы, но вы не угадали!"));
        // Both boxes open: the points show where they were, the other box empty.
        EXPECT_EQ(boxes.leftBoxFull.visible, lucky == 0);
        EXPECT_EQ(boxes.leftBoxEmpty.visible, lucky != 0);
        EXPECT_EQ(boxes.rightBoxFull.visible, lucky != 0);
        EXPECT_EQ(boxes.rightBoxEmpty.visible, lucky == 0);
        game.g.click([&] { boxes.rightBoxClicked(); });  // a second click changes nothing
        EXPECT_EQ(boxes.chosenBox, 1);
        game.g.advance(3001);
        ASSERT_TRUE(game.s.isVisible());
        EXPECT_EQ(game.s.player(1).roundScore, 300 + (lucky == 0 ? 1500 : 0));
        EXPECT_EQ(game.s.round().current(), 1);
        EXPECT_EQ(host(game.g), QStringLiteral("А теперь вы можете крутить барабан либо назвать слово!"));
        EXPECT_TRUE(game.s.spinButton.enabled && game.s.wordButton.enabled);
        EXPECT_EQ(game.s.round().lettersInRow(), 0);
        // The fourth letter in a row starts a new run.
        Play::spin(game.g, QStringLiteral("100"));
        Play::letter(game.g, QStringLiteral("Н"));
        EXPECT_EQ(game.s.round().lettersInRow(), 1);
        EXPECT_FALSE(game.s.toBoxesTimer.isRunning());
    }
}

// A bonus letter that also completes the word: the boxes first, then the round ends; points reach the totals once.
TEST(Letters, BonusLetterThatCompletesTheWordEndsTheRoundAfterTheBoxes)
{
    Game game({QStringLiteral("КОТ"), QStringLiteral("ДОМ")}, 2, 2);
    TwoBoxesForm& boxes = game.g.screens->twoBoxes;
    for (const char* l : {"К", "О"}) {
        Play::spin(game.g, QStringLiteral("200"));
        Play::letter(game.g, QString::fromUtf8(l));
    }
    Play::spin(game.g, QStringLiteral("200"));
    game.g.random.push({2, 0});
    Play::letter(game.g, QStringLiteral("Т"));
    EXPECT_EQ(host(game.g), QStringLiteral("Есть такая буква в этом слове! Но вы ещё имеете право на две шкатулки!"));
    EXPECT_TRUE(game.s.round().wordSolvedAtBonus());
    EXPECT_FALSE(game.s.banner.visible);
    EXPECT_FALSE(game.s.nextRoundTimer.isRunning());
    game.g.random.push(0);
    game.g.advance(3001);
    game.g.click([&] { boxes.leftBoxClicked(); });
    game.g.advance(3001);
    EXPECT_EQ(host(game.g), QStringLiteral("Вы отгадали слово!"));
    EXPECT_TRUE(game.s.banner.visible);
    EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
    EXPECT_EQ(game.s.player(1).roundScore, 600 + 1500);
    EXPECT_EQ(game.s.player(1).totalScore, 0);
    game.g.advance(5000);
    EXPECT_EQ(game.s.round().roundNumber(), 2);
    EXPECT_EQ(game.s.player(1).totalScore, 2100);
    game.g.advance(60000);
    EXPECT_EQ(game.s.player(1).totalScore, 2100);
}

// Opening the last letter by naming it wins the round without extra points.
TEST(Letters, LastLetterSolvesTheWord)
{
    Game game({QStringLiteral("КОТ"), QStringLiteral("ДОМ")}, 2, 1);
    Play::spin(game.g, QStringLiteral("50"));
    Play::letter(game.g, QStringLiteral("К"));
    Play::spin(game.g, QStringLiteral("50"));
    Play::letter(game.g, QStringLiteral("О"));
    Play::spin(game.g, QStringLiteral("0"));
    game.g.advance(3000);
    Play::spin(game.g, QStringLiteral("50"));
    Play::letter(game.g, QStringLiteral("Т"));
    EXPECT_EQ(host(game.g), QStringLiteral("Вы отгадали слово!"));
    EXPECT_EQ(game.s.player(2).roundScore, 50);
    EXPECT_TRUE(game.s.banner.visible);
    EXPECT_EQ(game.s.banner.text, QStringLiteral("Игра окончена!"));  // the only round is the last
    EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
    game.g.advance(5000);
    EXPECT_TRUE(game.g.screens->endOfGame.isVisible());
    EXPECT_EQ(game.g.screens->endOfGame.resultBox.text, QStringLiteral("Аня"));
}
