// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "rules/phase.h"
#include "rules/round.h"
#include "rules/sector.h"

// Everything the host says, in the studio and at the bargaining and the two
// boxes, and the banner between rounds. Lines that come in three variants are
// chosen by r = 0, 1, 2.
namespace HostPhrases {

// How many variants a line chosen by r has.
constexpr int Variants = 3;
// The announcement of a sector, or an empty text for a sector the wheel does not have.
QString sector(const Sector& sector, int r);
// A correct letter.
QString correctLetter(int r);
// Two or more tiles opened: first half, the count, second half.
QString manyLetters(int r, int count);
// The third correct letter in a row: the two boxes.
QString threeInRow(int r);

// Fixed lines said in more than one place.
// A tile of the "+" sector is open: the player goes on.
QString tileOpened();
// The whole word is open, by letters or by the two boxes' last letter.
QString wordGuessed();
// The banner between rounds.
QString nextRoundBanner();
// The banner that closes the last round.
QString gameOverBanner();

// The studio's first words, before any game, broken in two for the host's box.
QString welcomeAtStart();
// An empty studio waits while the set-up names the players.
QString welcome();
// A turn begins: who plays now, said for how the turn came to him.
QString turn(Round::TurnOutcome::Kind kind, const QString& name);
// The prompt after a turn is announced.
QString prompt(int r);
// A letter that is not in the word: the turn passes.
QString missedLetter();
// A right word.
QString wordRight();
// Every player named a wrong word.
QString nobodyNamedWord();
// The "+" sector opened the last covered tile.
QString allTilesOpen();
// The prize was taken by the last player in the round.
QString nobodyLeftAfterPrize();
// Back from the two boxes, with the round still on.
QString afterBoxes();

// The last player in a round: his three moves.
// The others are out: his moves begin.
QString lastPlayerStarts();
// A spin took one of his moves (FirstTaken, SecondTaken, ThirdTaken); empty for any other state.
QString movesLeft(LastPlayerMoves taken);
// His letter, before his third move: right or not, he may name the word.
QString lastPlayerLetter(bool right);
// A tile of the "+" sector is open.
QString lastPlayerTileOpened();
// His moves are used up: now the word.
QString movesUsedUp();
// His letter opened the whole word.
QString lastPlayerSolved();


// The bargaining over the prize.
// The black box is brought in, broken in two for the host's box.
QString prizeChosen();
// The offer at step 1..12 of the bargaining, of `amount` points.
QString offer(int step, int amount);
// The money clicked once: the host asks again.
QString askAgain();
// The money taken; the prize is named.
QString moneyTaken(int offer, int prize);
// The offers are over: the black box opens with `prize` points.
QString boxOpened(int prize);

// The two boxes.
// Waiting for the player's choice.
QString chooseBox();
// The lucky box, with its points.
QString boxGuessed(int points);
// The empty box.
QString boxMissed();

}
