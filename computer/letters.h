// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

#include <cstdint>

// The game's 33 capital letters as small numbers, the way the computer
// player counts them: 1..33 in alphabet order ("Ё" seventh), 0 for anything
// else, and sets of them as bits of one word.
namespace computer {

using Letter = std::uint8_t;
using LetterSet = std::uint64_t;

constexpr int Letters = 33;

constexpr LetterSet bit(Letter letter) { return LetterSet{1} << letter; }

// The letter a character names, capital or small; 0 for any other character.
Letter letterOf(QChar c);
// The capital of letter 1..33.
QChar capital(Letter letter);
// How often the letter occurs in Russian text, per 10,000 letters.
int frequency(Letter letter);

}
