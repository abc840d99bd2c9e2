// SPDX-License-Identifier: GPL-3.0-or-later
// The game in play as a model: what each move does and what a player may do next.
#include "rules/round.h"

#include <gtest/gtest.h>

namespace {

int letter(char16_t c)
{
    return Alphabet::indexOf(QChar(c));
}

const Sector Hundred{Sector::Kind::Points, 100};

// A game of `names`, waiting at the first player's choice in round one of `answer`.
Round playing(const QStringList& names, const QString& answer, int rounds = 2)
{
    Round r;
    r.seat(names, rounds);
    r.newGame();
    r.beginGame();
    r.startRound(answer);
    r.nextTurn();
    r.openChoice();
    return r;
}

// Spins to `sector` and lets it take effect.
void spinTo(Round& r, const Sector& sector)
{
    r.spin(sector);
    r.applySector();
}

}

// Points for every opened tile, "x2" doubles, a right word adds 2000 and ends
// the round; the round's points move to the total and the best total wins.
TEST(Round, FromTheFirstTurnToTheWinner)
{
    Round r;
    r.seat({QStringLiteral("Аня"), QStringLiteral("Боря")}, 1);
    r.newGame();
    r.beginGame();
    r.startRound(QStringLiteral("КОЛОС"));
    EXPECT_EQ(r.phase(), Phase::RoundOpening);
    EXPECT_FALSE(r.canSpin());
    const Round::TurnOutcome first = r.nextTurn();
    EXPECT_EQ(first.kind, Round::TurnOutcome::Kind::First);
    EXPECT_FALSE(r.canSpin()) << "the prompt comes first";
    r.openChoice();
    ASSERT_TRUE(r.canSpin() && r.canNameWord());

    spinTo(r, Hundred);
    EXPECT_TRUE(r.canNameLetter());
    EXPECT_FALSE(r.canSpin());
    const Round::LetterOutcome o = r.nameLetter(letter(u'О'));
    EXPECT_EQ(o.opened, 2);
    EXPECT_EQ(r.player(1).roundScore, 200);
    EXPECT_TRUE(r.letterUsed(letter(u'О')));
    EXPECT_TRUE(r.tileOpen(2) && r.tileOpen(4) && r.tileCovered(1));
    EXPECT_TRUE(r.canSpin());

    spinTo(r, Sector{Sector::Kind::Double, 0});
    r.nameLetter(letter(u'К'));
    EXPECT_EQ(r.player(1).roundScore, 400);

    r.chooseWord();
    EXPECT_EQ(r.phase(), Phase::WordEntry);
    EXPECT_FALSE(r.letterUsed(letter(u'О'))) << "every letter may be typed into the word";
    const Round::WordOutcome w = r.nameWord(QStringLiteral("КОЛОС"));
    EXPECT_TRUE(w.right);
    EXPECT_EQ(r.player(1).roundScore, 2400);
    EXPECT_EQ(r.phase(), Phase::RoundOver);
    EXPECT_EQ(r.roundEnd(), Round::RoundEnd::Solved);
    EXPECT_TRUE(r.allOpen());
    EXPECT_TRUE(r.letterUsed(letter(u'О'))) << "the letters used before the word are used again";

    r.startRound(QString());
    EXPECT_EQ(r.phase(), Phase::GameOver);
    EXPECT_EQ(r.player(1).totalScore, 2400);
    EXPECT_EQ(r.player(1).roundScore, 0);
    EXPECT_EQ(r.winner(), 1);
}

// "Б" burns the round's points and passes the turn; a missed letter passes
// it too; the turn goes round the players still in the round.
TEST(Round, BankruptAndMissedLetterPassTheTurn)
{
    Round r = playing({QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вика")}, QStringLiteral("ДОМ"));
    spinTo(r, Hundred);
    r.nameLetter(letter(u'Д'));
    ASSERT_EQ(r.player(1).roundScore, 100);
    spinTo(r, Sector{Sector::Kind::Bankrupt, 0});
    EXPECT_EQ(r.player(1).roundScore, 0);
    EXPECT_EQ(r.nextTurn().seat, 2);
    EXPECT_EQ(r.lettersInRow(), 0);

    r.openChoice();
    spinTo(r, Hundred);
    EXPECT_EQ(r.nameLetter(letter(u'Я')).opened, 0);
    EXPECT_EQ(r.phase(), Phase::LetterMissed);
    EXPECT_FALSE(r.canSpin() || r.canNameLetter());
    EXPECT_EQ(r.nextTurn().seat, 3);
    EXPECT_EQ(r.nextTurn().seat, 1);
}

// The third right letter in a row wins the two boxes; their points come back
// to the player, who goes on; a board the third letter completed is solved
// once the boxes are over.
TEST(Round, ThreeLettersInARowWinTheBoxes)
{
    for (bool completes : {false, true}) {
        Round r = playing({QStringLiteral("Аня"), QStringLiteral("Боря")}, completes ? QStringLiteral("КОТ") : QStringLiteral("КОТЫ"));
        spinTo(r, Hundred);
        r.nameLetter(letter(u'К'));
        spinTo(r, Hundred);
        r.nameLetter(letter(u'О'));
        spinTo(r, Hundred);
        const Round::LetterOutcome third = r.nameLetter(letter(u'Т'));
        EXPECT_TRUE(third.bonus);
        EXPECT_FALSE(third.solved) << "the boxes come first";
        EXPECT_EQ(r.phase(), Phase::AtBonus);
        EXPECT_FALSE(r.canSpin());
        r.creditBonus(1500);
        EXPECT_EQ(r.player(1).roundScore, 1800);
        EXPECT_EQ(r.lettersInRow(), 0);
        EXPECT_EQ(r.phase(), completes ? Phase::RoundOver : Phase::Choosing) << completes;
        EXPECT_EQ(r.current(), 1);
    }
}

// The last player left has three moves that count, then must name the word.
TEST(Round, LastPlayerHasThreeMoves)
{
    Round r = playing({QStringLiteral("Аня"), QStringLiteral("Боря")}, QStringLiteral("КОРОВА"));
    r.chooseWord();
    const Round::WordOutcome wrong = r.nameWord(QStringLiteral("КОРОБА"));
    EXPECT_FALSE(wrong.right);
    EXPECT_TRUE(wrong.playersLeft);
    EXPECT_FALSE(r.player(1).inRound);
    const Round::TurnOutcome turn = r.nextTurn();
    EXPECT_EQ(turn.seat, 2);
    EXPECT_TRUE(turn.lastPlayerStarts);
    EXPECT_TRUE(r.lastPlayer());
    EXPECT_TRUE(r.canSpin()) << "the last player need not wait for the prompt";

    r.spin(Hundred);
    EXPECT_EQ(r.lastPlayerMoves(), LastPlayerMoves::FirstTaken);
    r.applySector();
    r.nameLetter(letter(u'К'));
    ASSERT_TRUE(r.canSpin());
    r.spin(Sector{Sector::Kind::Zero, 0});
    EXPECT_EQ(r.lastPlayerMoves(), LastPlayerMoves::SecondTaken);
    r.applySector();
    r.nextTurn();
    ASSERT_TRUE(r.canSpin()) << "he keeps the turn";
    EXPECT_FALSE(r.forceWordIfMovesUsedUp());
    r.spin(Hundred);
    EXPECT_EQ(r.lastPlayerMoves(), LastPlayerMoves::ThirdTaken);
    r.applySector();
    r.nameLetter(letter(u'Р'));
    EXPECT_EQ(r.lastPlayerMoves(), LastPlayerMoves::UsedUp);
    EXPECT_TRUE(r.forceWordIfMovesUsedUp());
    EXPECT_EQ(r.phase(), Phase::WordEntry);
    EXPECT_FALSE(r.canSpin());
}

// Taking the prize ends the player's round: its points are his, the turn passes,
// and with nobody left the round is over.
TEST(Round, PrizeIsHandedBackAndTheTakerLeaves)
{
    Round r = playing({QStringLiteral("Аня"), QStringLiteral("Боря")}, QStringLiteral("ДОМ"));
    spinTo(r, Sector{Sector::Kind::Prize, 0});
    EXPECT_TRUE(r.prizeOnOffer());
    EXPECT_TRUE(r.canNameLetter()) << "or a letter, as on points";
    r.takePrize();
    EXPECT_EQ(r.phase(), Phase::AtPrize);
    EXPECT_FALSE(r.prizeOnOffer() || r.canNameLetter() || r.canSpin());
    r.returnFromPrize(700);
    EXPECT_EQ(r.player(1).roundScore, 700);
    EXPECT_FALSE(r.player(1).inRound);
    EXPECT_EQ(r.nextTurn().seat, 2);

    r.openChoice();
    spinTo(r, Sector{Sector::Kind::Prize, 0});
    r.takePrize();
    r.returnFromPrize(20);
    EXPECT_EQ(r.player(2).roundScore, 20);
    EXPECT_EQ(r.phase(), Phase::RoundOver);
    EXPECT_EQ(r.roundEnd(), Round::RoundEnd::NobodyLeft);
}

// "+" on a board with nothing left to open waits for no tile: the player goes
// on, and the last player's third move is spent.
TEST(Round, PlusOnAFullBoardWaitsForNoTile)
{
    Round r = playing({QStringLiteral("Аня")}, QString());
    ASSERT_TRUE(r.allOpen());
    spinTo(r, Sector{Sector::Kind::Plus, 0});
    EXPECT_TRUE(r.canSpin() && r.canNameWord());
    EXPECT_FALSE(r.canOpenTile(1));

    Round last = playing({QStringLiteral("Аня"), QStringLiteral("Боря")}, QString());
    last.chooseWord();
    last.nameWord(QStringLiteral("КОТ"));
    last.nextTurn();
    for (int move = 0; move < 2; ++move) {
        spinTo(last, Sector{Sector::Kind::Zero, 0});
        last.nextTurn();
    }
    spinTo(last, Sector{Sector::Kind::Plus, 0});
    EXPECT_FALSE(last.canOpenTile(1));
    EXPECT_TRUE(last.forceWordIfMovesUsedUp());
    EXPECT_EQ(last.phase(), Phase::WordEntry);
}
