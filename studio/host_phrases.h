// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The host's fixed words that come in three variants, chosen by r = 0, 1, 2.
namespace HostPhrases {
// The announcement of a sector (its label), or an empty text for an unknown label.
QString sector(const QString& sector, int r);
// A correct letter.
QString correctLetter(int r);
// Two or more tiles opened: first half, the count, second half.
QString manyLetters(int r, int count);
// The third correct letter in a row: the two boxes.
QString threeInRow(int r);

// Fixed lines said in more than one place.
// A tile of the "+" sector is open: the player goes on.
QString tileOpened();
// The whole word is open, by letters or by the two boxes' last letter.
QString wordGuessed();
// The banner between rounds.
QString nextRoundBanner();

// A count and its noun in the form Russian gives the number: one for 1, 21, 101…
// ("1 очко"), few for 2–4, 22–24… ("2 очка", "443 очка"), many for the rest and for
// 11–14 ("5 очков", "12 очков").
QString counted(long long n, const char* one, const char* few, const char* many);
// A count of points the host names: "1 очко", "443 очка", "500 очков".
QString points(long long n);
}
