// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a computer player sees it, read off the round.
#include "studio/table_of_round.h"

#include "rules/alphabet.h"
#include "rules/round.h"

namespace {

// The last player's moves that still count; none once the word is forced.
int movesLeftOf(LastPlayerMoves moves)
{
    switch (moves) {
    case LastPlayerMoves::Off: return 3;
    case LastPlayerMoves::FirstTaken: return 2;
    case LastPlayerMoves::SecondTaken: return 1;
    default: return 0;
    }
}

}

computer::Sector sectorOf(const Sector& sector)
{
    using K = computer::Sector::Kind;
    K kind = K::None;
    switch (sector.kind) {
    case Sector::Kind::None: kind = K::None; break;
    case Sector::Kind::Points: kind = K::Points; break;
    case Sector::Kind::Double: kind = K::Double; break;
    case Sector::Kind::Bankrupt: kind = K::Bankrupt; break;
    case Sector::Kind::Zero: kind = K::Zero; break;
    case Sector::Kind::Plus: kind = K::Plus; break;
    case Sector::Kind::Prize: kind = K::Prize; break;
    }
    return computer::Sector{kind, kind == K::Points ? sector.points : 0};
}

computer::TableView tableViewOf(const Round& round, int seat, const QString& question, int offer, bool askedAgain)
{
    computer::TableView view;
    view.question = question;
    // Tile by tile: a covered tile is drawn as covered, never from the word.
    const QString& word = round.board();
    view.board.reserve(word.size());
    for (int tile = 1; tile <= word.size(); ++tile)
        view.board += round.tileOpen(tile) ? word.at(tile - 1) : computer::TableView::Covered;
    for (int n = 1; n <= Alphabet::Size; ++n) {
        if (round.letterUsedThisRound(n))
            view.usedLetters += Alphabet::letter(n);
    }
    view.sector = sectorOf(round.sector());
    for (int s = 1; s <= Round::Seats && s <= computer::TableView::Places; ++s) {
        const Player& player = round.player(s);
        view.places[static_cast<std::size_t>(s - 1)] = {player.inRound, player.roundScore, player.totalScore};
    }
    view.self = seat - 1;
    if (round.lastPlayer() && round.player(seat).inRound)
        view.movesLeft = movesLeftOf(round.lastPlayerMoves());
    view.offer = offer;
    view.askedAgain = askedAgain;
    return view;
}
