// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate words: the vocabulary narrowed down by what the board shows.
#include "computer/candidates.h"

namespace computer {

Clues Clues::of(const TableView& view)
{
    Clues clues;
    clues.length = static_cast<int>(std::min<qsizetype>(view.board.size(), MaxWordLength));
    for (int i = 0; i < clues.length; ++i) {
        const QChar shown = view.board.at(i);
        if (shown == TableView::Covered) {
            ++clues.covered;
            continue;
        }
        // An open character that no letter names (none of the vocabulary's
        // words has one) is marked with a number that no letter matches.
        const Letter letter = letterOf(shown);
        clues.open[static_cast<std::size_t>(i)] = letter ? letter : Letter{0xFF};
        clues.onBoard |= letter ? bit(letter) : 0;
    }
    for (const QChar c : view.usedLetters) {
        if (const Letter letter = letterOf(c))
            clues.used |= bit(letter);
    }
    // A letter on show was opened, whether named or by "+", in all its places.
    clues.used |= clues.onBoard;
    return clues;
}

bool fits(const Word& word, const Clues& clues)
{
    if (word.length != clues.length || (word.set & clues.missing()))
        return false;
    for (int i = 0; i < clues.length; ++i) {
        const Letter open = clues.open[static_cast<std::size_t>(i)];
        const Letter letter = word.letters[static_cast<std::size_t>(i)];
        if (open ? letter != open : (clues.used & bit(letter)) != 0)
            return false;
    }
    return true;
}

std::vector<const Word*> candidates(const Vocabulary& vocabulary, const Clues& clues, int known)
{
    std::vector<const Word*> found;
    for (const Word& word : vocabulary.ofLength(clues.length)) {
        if (word.familiarity < known && fits(word, clues))
            found.push_back(&word);
    }
    return found;
}

}
