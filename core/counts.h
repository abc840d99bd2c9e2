// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Numbers said in words, the noun agreeing with the count.
namespace Counts {
// A count and its noun in the form Russian gives the number: one for 1, 21, 101…
// ("1 очко"), few for 2–4, 22–24… ("2 очка", "443 очка"), many for the rest and for
// 11–14 ("5 очков", "12 очков").
QString counted(long long n, const char* one, const char* few, const char* many);
// A count of points the host names: "1 очко", "443 очка", "500 очков".
QString points(long long n);
}
