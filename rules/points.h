// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The points of the game that are not on the wheel.
namespace Points {
constexpr int RightWord = 2000;       // naming the whole word
constexpr int BoxPrize = 1500;        // the lucky one of the two boxes
constexpr int LettersForBonus = 3;    // right letters in a row that win the two boxes



}

// Scores are 32-bit; they stop at the limit rather than wrap, and never fall below 0.
int clampedScore(long long value);
