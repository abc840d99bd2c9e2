// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <array>

// One of the studio's three player places: his panel and what it shows, and
// his points.
//   he is in the round       <=> his panel is visible
//   it is his turn           <=> his name label is red
struct Player {
    static constexpr int Slots = 3;

    Control panel;
    Control nameLabel;
    Control roundLabel;    // this round's points on show
    Control totalLabel;    // the finished rounds' points on show
    Control prizeCarrier;  // hidden: the points the bargaining hands back
    int roundScore = 0;    // points of the round being played
    int totalScore = 0;    // points of the finished rounds
};

// The places 1..Player::Slots; entry 0 is unused so that a place's number is its index.
using Players = std::array<Player, Player::Slots + 1>;
