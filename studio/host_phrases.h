// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "rules/sector.h"

// The host's fixed words that come in three variants, chosen by r = 0, 1, 2.
namespace HostPhrases {
// The announcement of a sector, or an empty text for a sector the wheel does not have.
QString sector(const Sector& sector, int r);
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

}
