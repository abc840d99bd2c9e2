// SPDX-License-Identifier: GPL-3.0-or-later
// The three levels of a computer player.
#include "computer/level.h"

namespace computer {

const LevelTraits& traits(Level level)
{
    // The bargaining's offers grow by about 333 points a step and end after
    // 3..12 of them in a box worth half the last offer: holding out to about
    // 2,700 pays best, so the erudite holds out that long and the novice
    // takes the first sizeable sum.
    static const std::array<LevelTraits, 3> all = {{
        {QStringLiteral("новичок"), 96, 35, 45, 700, 30, 0},
        {QStringLiteral("знаток"), 176, 15, 60, 1800, 10, 30},
        {QStringLiteral("эрудит"), 256, 0, 97, 2700, 0, 8},
    }};
    return all[static_cast<std::size_t>(level)];
}

}
