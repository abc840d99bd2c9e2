// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/points.h"

#include <limits>

int clampedScore(long long value)
{
    if (value < 0)
        return 0;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}
