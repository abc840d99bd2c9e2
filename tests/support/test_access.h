// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "studio/studio_form.h"
#include "rules/round.h"

// A position set up in the model without playing up to it, for tests that
// start from the middle of a round. Run it inside an event (GameFixture::click)
// so that the studio presents it afterwards.
struct TestAccess {
    static Round& round(StudioForm& studio) { return studio.m_round; }
    static void setLettersInRow(StudioForm& studio, int n) { round(studio).m_lettersInRow = n; }
    static void setScores(StudioForm& studio, int seat, int roundScore, int totalScore)
    {
        round(studio).seatAt(seat).roundScore = roundScore;
        round(studio).seatAt(seat).totalScore = totalScore;
    }
    static void openTile(StudioForm& studio, int tile) { round(studio).m_open[static_cast<std::size_t>(tile)] = true; }
    static void setSector(StudioForm& studio, const Sector& sector) { round(studio).m_sector = sector; }
    static void setRoundNumber(StudioForm& studio, int n) { round(studio).m_roundNumber = n; }
    static void startRound(StudioForm& studio) { studio.startRound(); }
    static void useLetter(StudioForm& studio, int letter) { round(studio).m_used[static_cast<std::size_t>(letter)] = true; }
};
