// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_state.h"

#include <limits>

int& GameState::roundScore(int slot)
{
    return slot == 3 ? RoundScore3 : slot == 2 ? RoundScore2 : RoundScore1;
}

int& GameState::totalScore(int slot)
{
    return slot == 3 ? TotalScore3 : slot == 2 ? TotalScore2 : TotalScore1;
}

int clampedScore(long long value)
{
    if (value < 0)
        return 0;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}
