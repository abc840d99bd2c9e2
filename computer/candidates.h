// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/table_view.h"
#include "computer/vocabulary.h"

#include <vector>

// Which words of a vocabulary the board still allows.
namespace computer {

// What the board and the used letters tell about the hidden word.
struct Clues {
    int length = 0;
    std::array<Letter, MaxWordLength> open{};  // the open letter of each tile, 0 where covered
    LetterSet used = 0;                        // named or opened this round
    LetterSet onBoard = 0;                     // open somewhere on the board
    int covered = 0;

    static Clues of(const TableView& view);
    // Used letters that the word does not have.
    LetterSet missing() const { return used & ~onBoard; }
};

// A word fits when it has the board's length and its open letters in their
// places, and no covered tile would hold a used letter: a letter once named
// opens every one of its places, so a covered tile holds none of them (and a
// letter known to be missing is in no place at all).
bool fits(const Word& word, const Clues& clues);

// The words a player knows (familiarity below `known`, 0..256) that fit.
std::vector<const Word*> candidates(const Vocabulary& vocabulary, const Clues& clues, int known = 256);

}
