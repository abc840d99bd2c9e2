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
    int PlayerCount = 0;
    int RoundCount = 0;
    int RoundNumber = 0;  // 0 before the first round, RoundCount + 1 once the game is over
    std::array<std::int64_t, 11> PickedRecords{};
    std::array<QString, 11> RoundQuestions;
    std::array<QString, 11> RoundAnswers;

    // The round.
    QString Answer;
    std::array<int, 34> LetterFree{};  // 1: the letter was not used before the word entry opened
    int EffectiveMoveCount = 0;        // the last player's three moves: 0 off, 1..3 taken, 4 used up, 5 used up, bonus first
    bool FirstTurnPending = false;

    // The turn.
    QString Sector;
    int SectorNumber = 0;
    int LettersInRow = 0;
    QChar NamedLetter;
    QString NamedWord;
    bool WordEntryMode = false;
    bool WordSolvedAtBonus = false;

    // The wheel's animation.
    int WheelTurns = 0;
    int WheelStep = 0;
    int WheelSlowTurn = 0;
};

// Scores are 32-bit; they stop at the limit rather than wrap, and never fall below 0.
int clampedScore(long long value);
