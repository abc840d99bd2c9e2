// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include <array>

// What a computer player is shown of the game: exactly what a person at the
// table sees on the screen, and nothing else. The answer is not here and
// cannot be put here; whoever fills a TableView fills it from what the
// screen shows.
namespace computer {

// The sector the wheel stopped at, as a player reads it off the wheel.
struct Sector {
    enum class Kind { None, Points, Double, Bankrupt, Zero, Plus, Prize };
    Kind kind = Kind::None;  // None before the spin
    int points = 0;          // per opened tile, for Points
};

// One player place as its panel shows it.
struct PlaceView {
    bool inRound = false;  // his panel is on show
    int roundScore = 0;
    int totalScore = 0;
};

struct TableView {
    static constexpr int Places = 3;
    static constexpr int Tiles = 12;
    static constexpr int NotLastPlayer = -1;
    // A tile that still hides its letter.
    static constexpr QChar Covered = QChar(u'_');

    QString question;     // the theme or question the host read out
    QString board;        // one character per tile of the word: its letter when open, Covered when not
    QString usedLetters;  // the letters named or opened this round, in any order
    Sector sector;        // drawn on this turn
    std::array<PlaceView, Places> places{};
    int self = 0;         // the computer's own place, 0..Places-1
    // Its moves left as the last player in the round (0: the word must be
    // named now); NotLastPlayer while others are still in the round.
    int movesLeft = NotLastPlayer;
    int offer = 0;            // the host's offer on the bargaining screen, 0 elsewhere
    bool askedAgain = false;  // the host asked once more whether to take the money
};

}
