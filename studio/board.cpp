// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

Board::Board()
{
    for (int n = 1; n <= Tiles; ++n) {
        tile(n) = Control{true, false, {}, 0};
        letter(n) = Control{false, true, QStringLiteral("Ю"), 0};
    }
}

void Board::setWord(const QString& word)
{
    for (int n = 1; n <= Tiles; ++n) {
        letter(n).text.clear();
        letter(n).hide();
        tile(n).hide();
    }
    for (int n = 1; n <= word.size() && n <= Tiles; ++n) {
        tile(n).show();
        letter(n).show();
        letter(n).text = word.at(n - 1);
    }
}

void Board::hideLetters()
{
    for (int n = 1; n <= Tiles; ++n)
        letter(n).hide();
}

void Board::wipe()
{
    for (int n = 1; n <= Tiles; ++n) {
        tile(n).hide();
        letter(n).text.clear();
    }
}

int Board::open(QChar wanted)
{
    int count = 0;
    for (int n = 1; n <= Tiles; ++n) {
        if (letter(n).text.size() == 1 && letter(n).text.at(0) == wanted) {
            tile(n).hide();
            ++count;
        }
    }
    return count;
}

int Board::openLike(int n)
{
    const int before = covered();
    tile(n).hide();
    const QString chosen = letter(n).text;
    for (int j = 1; j <= Tiles; ++j)
        if (!chosen.isEmpty() && letter(j).text == chosen)
            tile(j).hide();
    return before - covered();
}

void Board::reveal()
{
    for (int n = 1; n <= Tiles; ++n)
        tile(n).hide();
}

void Board::setTilesEnabled(bool enabled)
{
    for (int n = 1; n <= Tiles; ++n)
        tile(n).enabled = enabled;
}

int Board::covered() const
{
    int count = 0;
    for (int n = 1; n <= Tiles; ++n)
        count += tiles[static_cast<std::size_t>(n)].visible ? 1 : 0;
    return count;
}

QString Board::word() const
{
    QString spelled;
    for (int n = 1; n <= Tiles; ++n)
        spelled += letters[static_cast<std::size_t>(n)].text;
    return spelled;
}
