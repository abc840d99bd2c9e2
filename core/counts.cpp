// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/counts.h"

namespace Counts {

QString counted(long long n, const char* one, const char* few, const char* many)
{
    // The remainder keeps the sign of n; the noun follows the digits alone.
    const long long lastTwo = n % 100 < 0 ? -(n % 100) : n % 100;
    const long long last = lastTwo % 10;
    const char* noun = many;
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1)
            noun = one;
        else if (last >= 2 && last <= 4)
            noun = few;
    }
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(noun);
}

QString points(long long n)
{
    return counted(n, "очко", "очка", "очков");
}

}
