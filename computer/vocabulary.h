// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/letters.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The words a computer player may think of: the nouns of the system's Russian
// spelling dictionary (hunspell-ru) that the board can hold. It is read from
// the dictionary and never from the question base, which holds every answer.
namespace computer {

constexpr int MaxWordLength = 12;

struct Word {
    std::array<Letter, MaxWordLength> letters{};
    std::uint8_t length = 0;
    // 0..255, fixed for the word: a level knows the words below its share
    // of 256, so a stronger level knows all that a weaker one knows.
    std::uint8_t familiarity = 0;
    LetterSet set = 0;  // the letters it holds

    QString text() const;
};

class Vocabulary {
public:
    // Debian's hunspell-ru.
    static QString systemDictionary();

    // The nouns of a hunspell dictionary in UTF-8: the entries whose affix
    // flags are those of nouns only (their headword is the nominative
    // singular), common or proper, of 1..12 of the game's letters. A word
    // spelled both with "е" and "ё" is kept with "ё", as the board spells it.
    static Vocabulary fromHunspell(const QByteArray& dictionary);
    // The same from a file; empty when it cannot be read.
    static Vocabulary load(const QString& path = systemDictionary());

    // The words of `length` letters (none outside 1..12).
    const std::vector<Word>& ofLength(int length) const;
    int size() const;
    bool empty() const { return size() == 0; }
    bool contains(const QString& word) const;

private:
    static Vocabulary fromBytes(const char* begin, const char* end);

    std::array<std::vector<Word>, MaxWordLength + 1> m_byLength;
};

}
