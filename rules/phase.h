// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a game stands: what the players may do now and what they wait for.
enum class Phase {
    NoGame,        // before a game, or after leaving one
    RoundOpening,  // the round's theme is read; the first turn comes
    TurnStarting,  // a turn is announced; the prompt to spin or name the word comes
    Choosing,      // the player may spin the wheel or name the word
    Spinning,      // the wheel turns and its sector is announced
    NamingLetter,  // a sector that takes a letter: waiting for one
    OpeningTile,   // "+": waiting for a tile
    LetterMissed,  // a missed letter: the turn passes in a moment
    WordEntry,     // the player types the word
    AtBonus,       // three letters in a row: the two boxes
    AtPrize,       // the prize taken: the bargaining
    RoundOver,     // the word is out, or nobody is left; the next round comes
    GameOver,      // the last round is over
};

// When one player is left in a round he has three moves that count (a spin,
// a "+" tile); then he must name the word.
enum class LastPlayerMoves {
    Off,            // more than one player in the round
    FirstTaken,
    SecondTaken,
    ThirdTaken,
    UsedUp,         // the word entry is forced
    UsedUpAtBonus,  // used up while the two boxes were on; back to UsedUp on return
};
