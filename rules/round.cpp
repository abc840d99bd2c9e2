// SPDX-License-Identifier: GPL-3.0-or-later
// The game and its rounds; the turn going round.
#include "rules/round.h"

#include "rules/points.h"

#include <algorithm>

void Round::seat(const QStringList& names, int rounds)
{
    for (int seat = 1; seat <= Seats && seat <= names.size(); ++seat) {
        seatAt(seat).name = names[seat - 1];
        seatAt(seat).inRound = true;
    }
    m_roundsChosen = rounds;
}

void Round::clearSeats()
{
    for (Player& p : m_players) {
        p.name.clear();
        p.inRound = false;
    }
    m_board.clear();
    m_phase = Phase::NoGame;
    m_roundEnd = RoundEnd::None;
    m_prizeOnOffer = false;
}

void Round::newGame()
{
    m_lastMoves = LastPlayerMoves::Off;
    for (Player& p : m_players) {
        p.totalScore = 0;
        p.roundScore = 0;
    }
    m_lettersInRow = 0;
    m_sector = Sector{};
    m_roundCount = 0;
    m_playerCount = 0;
    m_roundNumber = 0;
    m_firstTurnPending = false;
    m_answer.clear();
    m_namedWord.clear();
    m_roundEnd = RoundEnd::None;
    // A word entry left open by the old game goes with it; should the new
    // game fail to start, its letters still stand on their own.
    if (m_phase == Phase::WordEntry)
        m_phase = Phase::NamingLetter;
}

void Round::beginGame()
{
    m_roundCount = m_roundsChosen;
    m_prizeOnOffer = false;
    // The players are those the set-up named, whether or not they are still
    // in the round that was going on.
    m_playerCount = 0;
    for (int seat = Seats; seat >= 1 && m_playerCount == 0; --seat)
        if (!player(seat).name.isEmpty())
            m_playerCount = seat;
}

void Round::startRound(const QString& answer)
{
    m_lastMoves = LastPlayerMoves::Off;
    m_current = 1;
    m_used.fill(false);
    m_usedBeforeWord.fill(false);
    m_usedThisRound.fill(false);
    ++m_roundNumber;
    m_answer = answer;
    m_board = answer.left(Tiles);
    m_open.fill(false);
    for (int seat = 1; seat <= m_playerCount; ++seat)
        seatAt(seat).inRound = true;
    m_firstTurnPending = true;
    for (Player& p : m_players) {
        p.totalScore = clampedScore(static_cast<long long>(p.totalScore) + p.roundScore);
        p.roundScore = 0;
    }
    m_roundEnd = RoundEnd::None;
    m_phase = m_roundNumber == m_roundCount + 1 ? Phase::GameOver : Phase::RoundOpening;
}

void Round::leave()
{
    m_phase = Phase::NoGame;
    m_prizeOnOffer = false;
}

Round::TurnOutcome Round::nextTurn()
{
    m_lettersInRow = 0;
    TurnOutcome turn{TurnOutcome::Kind::Same, 1, false};
    if (m_playerCount == 1) {
        m_current = 1;
        m_firstTurnPending = false;
        turn = {TurnOutcome::Kind::Again, 1, false};
    } else if (m_firstTurnPending && m_current <= 1) {
        m_current = 1;
        m_firstTurnPending = false;
        turn = {TurnOutcome::Kind::First, 1, false};
    } else {
        // Round to the next seat still in the round; with nobody else left it stays.
        const int from = std::max(1, m_current);
        turn = {TurnOutcome::Kind::Same, from, false};
        for (int step = 1; step < Seats; ++step) {
            const int seat = (from - 1 + step) % Seats + 1;
            if (player(seat).inRound) {
                turn = {TurnOutcome::Kind::Next, seat, false};
                break;
            }
        }
        m_current = turn.seat;
    }
    if (lastPlayer()) {
        // The last player need not wait for the prompt.
        m_phase = Phase::Choosing;
        turn.lastPlayerStarts = m_lastMoves == LastPlayerMoves::Off;
        if (m_lastMoves == LastPlayerMoves::ThirdTaken)
            m_lastMoves = LastPlayerMoves::UsedUp;
    } else {
        m_phase = Phase::TurnStarting;
    }
    return turn;
}

void Round::openChoice()
{
    m_phase = Phase::Choosing;
}

int Round::playersInRound() const
{
    int n = 0;
    for (int seat = 1; seat <= Seats; ++seat)
        n += player(seat).inRound ? 1 : 0;
    return n;
}

int Round::winner() const
{
    // The winner has more points than each of the others; a shared top is a draw.
    int best = 1;
    bool shared = false;
    for (int seat = 2; seat <= m_playerCount; ++seat) {
        if (player(seat).totalScore > player(best).totalScore) {
            best = seat;
            shared = false;
        } else if (player(seat).totalScore == player(best).totalScore) {
            shared = true;
        }
    }
    return shared ? 0 : best;
}

void Round::credit(int seat, long long points)
{
    if (seat)
        seatAt(seat).roundScore = clampedScore(static_cast<long long>(player(seat).roundScore) + points);
}

void Round::endRound(RoundEnd end)
{
    m_phase = Phase::RoundOver;
    m_roundEnd = end;
}

bool Round::tileCovered(int tile) const
{
    return tile >= 1 && tile <= m_board.size() && !tileOpen(tile);
}

bool Round::allOpen() const
{
    for (int tile = 1; tile <= Tiles; ++tile)
        if (tileCovered(tile))
            return false;
    return true;
}

bool Round::lettersLeft() const
{
    for (int n = 1; n <= Alphabet::Size; ++n)
        if (!letterUsed(n))
            return true;
    return false;
}
