// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QChar>
#include <QString>

#include <array>

// The board: twelve tiles with the answer's letters under them. A letter is
// open when its tile is hidden; the rules decide when tiles may be clicked.
class Board {
public:
    static constexpr int Tiles = 12;

    Board();

    // Tiles and letters 1..Tiles; entry 0 is unused so that a place's number is its index.
    std::array<Control, Tiles + 1> tiles;
    std::array<Control, Tiles + 1> letters;

    // A new word: its letters under covered tiles, the places past its end empty.
    void setWord(const QString& word);
    // Every letter hidden, as between games.
    void hideLetters();
    // No tiles and no letters' text, before the players are named.
    void wipe();
    // Opens every place of `letter`; returns how many places it has.
    int open(QChar letter);
    // Opens `tile` and every other place of its letter; returns how many opened.
    int openLike(int tile);
    // Opens everything.
    void reveal();
    // Tiles clickable (the "+" sector) or not.
    void setTilesEnabled(bool enabled);

    int covered() const;
    bool allOpen() const { return covered() == 0; }
    // The letters in their places, as the board spells the word.
    QString word() const;

private:
    Control& tile(int n) { return tiles[static_cast<std::size_t>(n)]; }
    Control& letter(int n) { return letters[static_cast<std::size_t>(n)]; }
};
