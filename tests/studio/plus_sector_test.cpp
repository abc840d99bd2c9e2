// SPDX-License-Identifier: GPL-3.0-or-later
// The "+" sector: opening a letter by its tile.
#include "tests/studio/studio_play.h"

#include "tests/support/test_access.h"

#include <gtest/gtest.h>

using Play::host;

namespace {

// Two players; the rounds play these answers in order.
struct Game : Play::Game {
    explicit Game(const QStringList& answers, int rounds = 3) : Play::Game(answers, 2, rounds) {}
};

}

// A tile opens every place of its letter, uses the letter up and pays nothing; the player goes on.
TEST(PlusSector, TileOpensEveryPlaceOfItsLetter)
{
    Game game({QStringLiteral("КАРАВАН")});
    game.g.click([&] { TestAccess::setLettersInRow(game.s, 2); });
    Play::spin(game.g, QStringLiteral("+"));
    game.g.click([&] { game.s.tileClicked(4); });
    for (int i : {2, 4, 6})
        EXPECT_FALSE(game.s.board.tiles[i].visible);
    EXPECT_TRUE(game.s.board.tiles[1].visible);
    EXPECT_FALSE(game.s.letterButtons[1].visible);
    EXPECT_EQ(game.s.player(1).roundScore, 0);
    EXPECT_EQ(game.s.round().lettersInRow(), 2);
    EXPECT_EQ(host(game.g), QStringLiteral("Теперь вы можете крутить барабан или назвать слово!"));
    EXPECT_TRUE(game.s.spinButton.enabled && game.s.wordButton.enabled);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(game.s.board.tiles[i].enabled);
    game.g.click([&] { game.s.tileClicked(1); });  // one letter per "+"
    EXPECT_TRUE(game.s.board.tiles[1].visible);
}

// A hyphen or digit opens in all its places and uses no letter button.
TEST(PlusSector, TileOfAHyphenHidesNoLetter)
{
    Game game({QStringLiteral("Ф-1-Ф")});
    Play::spin(game.g, QStringLiteral("+"));
    game.g.click([&] { game.s.tileClicked(2); });
    EXPECT_FALSE(game.s.board.tiles[2].visible);
    EXPECT_FALSE(game.s.board.tiles[4].visible);
    EXPECT_TRUE(game.s.board.tiles[3].visible);
    for (int n = 1; n <= 33; ++n)
        EXPECT_TRUE(game.s.letterButtons[n].visible);
}

// Opening the last covered letter ends the round with no points, whichever tile it is.
TEST(PlusSector, LastTileCompletesTheBoard)
{
    for (int tile : {1, 2, 3}) {
        Game game({QStringLiteral("ДОМ"), QStringLiteral("КОТ")}, tile == 1 ? 1 : 2);
        for (int other = 1; other <= 3; ++other)
            if (other != tile)
                game.g.click([&] { TestAccess::openTile(game.s, other); });
        Play::spin(game.g, QStringLiteral("+"));
        game.g.click([&] { game.s.tileClicked(tile); });
        EXPECT_EQ(host(game.g), QStringLiteral("Все буквы открыты!")) << tile;
        EXPECT_TRUE(game.s.banner.visible);
        // Tile 1 in the last round: the same closing banner as every other way of ending the game.
        EXPECT_EQ(game.s.banner.text, tile == 1 ? QStringLiteral("Игра окончена!") : QStringLiteral("Следующий раунд!"));
        EXPECT_FALSE(game.s.spinButton.enabled || game.s.wordButton.enabled);
        EXPECT_EQ(game.s.player(1).roundScore, 0) << tile;  // tile 2 pays nothing either
        game.g.advance(5000);
        EXPECT_EQ(game.s.round().roundNumber(), 2);
        EXPECT_EQ(game.s.player(1).totalScore, 0);
    }
}
