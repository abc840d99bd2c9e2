// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

// Everything the studio remembers about a game beyond its controls. Who is in
// the round and whose turn it is live in the controls themselves (a visible
// panel, a red name label); see StudioForm. Arrays are indexed from 1 like the
// things they describe; entry 0 is unused.
struct GameState {
    // The game.
    int playerCount = 0;
    int roundCount = 0;
    int roundNumber = 0;  // 0 before the first round, roundCount + 1 once the game is over
    std::array<std::int64_t, 11> pickedRecords{};
    std::array<QString, 11> roundQuestions;
    std::array<QString, 11> roundAnswers;

    // The round.
    QString answer;
    std::array<int, 34> letterFree{};  // 1: the letter was not used before the word entry opened
    int lastPlayerMoves = 0;        // the last player's three moves: 0 off, 1..3 taken, 4 used up, 5 used up, bonus first
    bool firstTurnPending = false;

    // The turn.
    QString sector;
    int sectorNumber = 0;
    int lettersInRow = 0;
    QChar namedLetter;
    QString namedWord;
    bool wordEntryOpen = false;
    bool wordSolvedAtBonus = false;

    // The wheel's animation.
    int wheelTurns = 0;
    int wheelStep = 0;
    int wheelSlowTurn = 0;
};

// Scores are 32-bit; they stop at the limit rather than wrap, and never fall below 0.
int clampedScore(long long value);
