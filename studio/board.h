// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"

#include <array>

class Round;

// The board on screen: twelve tiles over the letters of the word on the
// board. A tile shows while its letter is covered; the tiles take clicks
// while the "+" sector waits for one.
class Board {
public:
    static constexpr int Tiles = 12;

    Board();

    // Tiles and letters 1..Tiles; entry 0 is unused so that a place's number is its index.
    std::array<Control, Tiles + 1> tiles;
    std::array<Control, Tiles + 1> letters;

    // The board of `round`, its first `letterPlaces` letter places on show
    // (the places of the round's word; none between games).
    void present(const Round& round, int letterPlaces);
};
