// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio/board.h"

#include "rules/round.h"

Board::Board()
{
    for (std::size_t n = 1; n <= Tiles; ++n) {
        tiles[n] = Control{true, false, {}, 0};
        letters[n] = Control{false, true, QStringLiteral("Ю"), 0};
    }
}

void Board::present(const Round& round, int letterPlaces)
{
    const QString& word = round.board();
    const bool tileWanted = round.phase() == Phase::OpeningTile;
    for (int n = 1; n <= Tiles; ++n) {
        Control& tile = tiles[static_cast<std::size_t>(n)];
        Control& letter = letters[static_cast<std::size_t>(n)];
        tile.visible = round.tileCovered(n);
        tile.enabled = tileWanted;
        letter.text = n <= word.size() ? QString(word.at(n - 1)) : QString();
        letter.visible = n <= letterPlaces;
    }
}
