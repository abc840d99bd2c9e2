// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/level.h"
#include "computer/table_view.h"
#include "computer/vocabulary.h"

#include <QChar>
#include <QString>

class Random;

// A computer player's decisions. Each one is made from a TableView, what the
// screen shows, and a source of chance, so a seed replays a game. It presses
// no button itself: whoever asks presses the one it names.
namespace computer {

// Its best word and how sure it is of it.
struct Guess {
    QString word;         // empty when no word it knows fits
    int chancePercent = 0;
    int candidates = 0;   // the words it knows that fit
};

class ComputerPlayer {
public:
    // The vocabulary must outlive the player.
    ComputerPlayer(const Vocabulary& vocabulary, Level level);

    Level level() const { return m_level; }

    enum class Move { Spin, NameWord };
    // Its turn, with the wheel and the word to choose from: it names the word
    // when it is sure enough, or must (its last moves are used up, or no letter is left).
    Move move(const TableView& view, Random& random) const;
    // The letter it names on a sector that asks for one; QChar() when none is left.
    QChar letter(const TableView& view, Random& random) const;
    // The covered tile (0-based) it opens on "+": the one whose letter tells
    // most about the word; -1 when none is covered.
    int tile(const TableView& view, Random& random) const;
    // On "П": the prize (true) or a letter (false).
    bool takesPrize(const TableView& view) const;
    // At the bargaining, for view.offer: the money (true) or the black box.
    bool takesMoney(const TableView& view, Random& random) const;
    // At the two boxes: 0 for the left, 1 for the right. Nothing tells them apart.
    int box(Random& random) const;
    // The word it types in the word box: its best, or when it knows none, the
    // board's open letters with the commonest unused letters in the gaps.
    QString word(const TableView& view) const;

    Guess guess(const TableView& view) const;

private:
    const Vocabulary& m_vocabulary;
    Level m_level;
};

}
