// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include "alphabet.h"
#include "question_choice.h"

#include <array>
#include <cstdint>

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

// Everything the studio remembers about a game beyond its controls. Who is in
// the round and whose turn it is live in the controls themselves (a visible
// panel, a red name label); see StudioForm. Arrays are indexed from 1 like the
// things they describe; entry 0 is unused.
struct GameState {
    // The game.
    int playerCount = 0;
    int roundCount = 0;
    int roundNumber = 0;  // 0 before the first round, roundCount + 1 once the game is over
    // Rounds 1..GameQuestions::Slots.
    std::array<std::int64_t, GameQuestions::Slots + 1> pickedRecords{};
    std::array<QString, GameQuestions::Slots + 1> roundQuestions;
    std::array<QString, GameQuestions::Slots + 1> roundAnswers;

    // The round.
    QString answer;
    std::array<int, Alphabet::Size + 1> letterFree{};  // 1: the letter was not used before the word entry opened
    LastPlayerMoves lastPlayerMoves = LastPlayerMoves::Off;
    bool firstTurnPending = false;

    // The turn.
    QString sector;
    int sectorNumber = 0;
    int lettersInRow = 0;
    QChar namedLetter;
    QString namedWord;
    bool wordEntryOpen = false;
    bool wordSolvedAtBonus = false;

};

// Scores are 32-bit; they stop at the limit rather than wrap, and never fall below 0.
int clampedScore(long long value);
