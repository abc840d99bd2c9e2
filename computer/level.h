// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// How well a computer player plays. The weakest is the default; a child can beat it.
namespace computer {

enum class Level { Novice, Expert, Erudite };

constexpr std::array<Level, 3> AllLevels = {Level::Novice, Level::Expert, Level::Erudite};

struct LevelTraits {
    QString name;            // as the set-up screen names it: «новичок», «знаток», «эрудит»
    int knownShare;          // of the vocabulary, in 256ths: the words it can think of
    int letterNoisePercent;  // how often it names a letter on a hunch instead of by its count
    int wordThresholdPercent;  // the chance its best word must reach before it names it unasked
    int moneyWanted;         // the bargaining's lowest offer it takes
    int waverPercent;        // how often it refuses after all when the host asks again
    // On "П" it takes the prize while more words than this still fit, or
    // when it can think of none; otherwise it names a letter.
    int prizeAbove;
};

const LevelTraits& traits(Level level);

}
