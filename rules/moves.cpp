// SPDX-License-Identifier: GPL-3.0-or-later
// The moves of a turn: the spin and its sector, a letter, a tile, the word,
// and the two side games' points.
#include "rules/round.h"

#include "rules/points.h"

namespace {

// The last player's spins and "+" tiles count: a first, a second, a third, then no more.
LastPlayerMoves oneMoveMore(LastPlayerMoves moves)
{
    switch (moves) {
    case LastPlayerMoves::Off: return LastPlayerMoves::FirstTaken;
    case LastPlayerMoves::FirstTaken: return LastPlayerMoves::SecondTaken;
    case LastPlayerMoves::SecondTaken: return LastPlayerMoves::ThirdTaken;
    default: return LastPlayerMoves::UsedUp;
    }
}

}

void Round::spin(const Sector& sector)
{
    if (lastPlayer())
        m_lastMoves = oneMoveMore(m_lastMoves);
    // A prize not taken lapses with the spin, as it does with a letter.
    m_prizeOnOffer = false;
    m_sector = sector;
    m_phase = Phase::Spinning;
}

void Round::applySector()
{
    // With nothing left to choose the turn goes on with the wheel and the
    // word; the last player's spin still counted, and after his third there
    // is no fourth.
    auto turnGoesOn = [this] {
        if (m_lastMoves == LastPlayerMoves::ThirdTaken) {
            m_lastMoves = LastPlayerMoves::UsedUp;
            m_prizeOnOffer = false;
        } else {
            m_phase = Phase::Choosing;
        }
    };
    switch (m_sector.kind) {
    case Sector::Kind::Plus:
        m_phase = Phase::OpeningTile;
        if (allOpen())
            turnGoesOn();
        break;
    case Sector::Kind::Zero:
        break;
    case Sector::Kind::Bankrupt:
        if (m_current)
            seatAt(m_current).roundScore = 0;
        break;
    default:
        m_phase = Phase::NamingLetter;
        if (m_sector.kind == Sector::Kind::Prize)
            m_prizeOnOffer = true;
        // Every letter is used, yet the word is not open (it holds a
        // character no letter names): no letter can come.
        if (!lettersLeft())
            turnGoesOn();
        break;
    }
}

Round::LetterOutcome Round::nameLetter(int letter)
{
    LetterOutcome out;
    m_prizeOnOffer = false;
    m_wordSolvedAtBonus = false;
    m_used[static_cast<std::size_t>(letter)] = true;
    m_usedThisRound[static_cast<std::size_t>(letter)] = true;
    const QChar named = Alphabet::letter(letter);
    for (int tile = 1; tile <= m_board.size(); ++tile) {
        if (m_board.at(tile - 1) == named) {
            m_open[static_cast<std::size_t>(tile)] = true;
            ++out.opened;
        }
    }
    if (out.opened == 0) {
        m_phase = Phase::LetterMissed;
    } else {
        ++m_lettersInRow;
        if (m_sector.kind == Sector::Kind::Double)
            credit(m_current, static_cast<long long>(player(m_current).roundScore));
        else if (m_sector.kind == Sector::Kind::Points)
            credit(m_current, static_cast<long long>(m_sector.points) * out.opened);
        out.bonus = m_lettersInRow == Points::LettersForBonus;
        m_phase = Phase::Choosing;
        if (out.bonus) {
            m_phase = Phase::AtBonus;
            m_wordSolvedAtBonus = allOpen();
        } else if (allOpen() && m_board == m_answer) {
            out.solved = true;
            endRound(RoundEnd::Solved);
        }
    }
    if (m_lastMoves == LastPlayerMoves::ThirdTaken)
        m_lastMoves = LastPlayerMoves::UsedUp;
    return out;
}

Round::TileOutcome Round::openTile(int tile)
{
    TileOutcome out;
    const QChar chosen = m_board.at(tile - 1);
    for (int t = 1; t <= m_board.size(); ++t) {
        if (tileCovered(t) && m_board.at(t - 1) == chosen) {
            m_open[static_cast<std::size_t>(t)] = true;
            ++out.opened;
        }
    }
    m_phase = Phase::Choosing;
    if (const int letter = Alphabet::indexOf(chosen)) {
        m_used[static_cast<std::size_t>(letter)] = true;
        m_usedThisRound[static_cast<std::size_t>(letter)] = true;
    }
    if (allOpen()) {
        out.solved = true;
        endRound(RoundEnd::Solved);
    }
    if (m_lastMoves == LastPlayerMoves::ThirdTaken)
        m_lastMoves = LastPlayerMoves::UsedUp;
    return out;
}

void Round::openWordEntry()
{
    // Every letter may be typed into the word.
    m_used.fill(false);
    m_phase = Phase::WordEntry;
}

void Round::chooseWord()
{
    // Naming the word gives up a prize on offer.
    m_prizeOnOffer = false;
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (m_used[static_cast<std::size_t>(n)])
            m_usedBeforeWord[static_cast<std::size_t>(n)] = true;
    openWordEntry();
}

bool Round::forceWordIfMovesUsedUp()
{
    if (m_lastMoves == LastPlayerMoves::UsedUp && m_lettersInRow == Points::LettersForBonus)
        m_lastMoves = LastPlayerMoves::UsedUpAtBonus;
    if (m_lastMoves != LastPlayerMoves::UsedUp)
        return false;
    openWordEntry();
    return true;
}

Round::WordOutcome Round::nameWord(const QString& word)
{
    WordOutcome out;
    m_wordSolvedAtBonus = false;
    m_namedWord = word;
    out.right = word == m_answer;
    if (out.right) {
        credit(m_current, Points::RightWord);
        m_open.fill(true);
        endRound(RoundEnd::Solved);
    } else {
        if (m_current)
            seatAt(m_current).inRound = false;
        out.playersLeft = playersInRound() > 0;
        if (out.playersLeft) {
            m_phase = Phase::TurnStarting;
        } else {
            m_open.fill(true);
            endRound(RoundEnd::NobodyNamedIt);
        }
    }
    m_used = m_usedBeforeWord;
    return out;
}

void Round::creditBonus(int points)
{
    credit(m_current, points > 0 ? points : 0);
    m_phase = m_lastMoves == LastPlayerMoves::UsedUp ? Phase::AtBonus : Phase::Choosing;
    if (m_lastMoves == LastPlayerMoves::UsedUpAtBonus)
        m_lastMoves = LastPlayerMoves::UsedUp;
    if (m_wordSolvedAtBonus)
        endRound(RoundEnd::Solved);
    m_lettersInRow = 0;
}

void Round::takePrize()
{
    m_prizeOnOffer = false;
    m_phase = Phase::AtPrize;
}

void Round::returnFromPrize(int points)
{
    credit(m_current, points > 0 ? points : 0);
    if (m_current)
        seatAt(m_current).inRound = false;
    if (playersInRound() > 0) {
        m_phase = Phase::TurnStarting;
    } else {
        m_open.fill(true);
        endRound(RoundEnd::NobodyLeft);
    }
}
