// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "rules/sector.h"

#include <array>

// The wheel on screen: sixteen sector labels passing the pointer. A spin runs
// at full speed for a few whole turns, then every step takes a little longer,
// and the wheel stops when the sector drawn for the spin reaches the pointer.
class Wheel {
public:
    static constexpr int Sectors = Sector::Count;
    static constexpr int FirstStepMs = 150;  // the delay between steps at full speed
    static constexpr int SlowDownMs = 25;    // added to it at every step once the wheel slows down
    // A spin makes LeastFullTurns to LeastFullTurns + FullTurnChoices - 1 whole turns at full speed.
    static constexpr int LeastFullTurns = 2;
    static constexpr int FullTurnChoices = 3;

    Wheel();

    // Sector labels 1..Sectors, labels[1] at the pointer; entry 0 is unused.
    std::array<Control, Sectors + 1> labels;
    Control pointer;  // the sector beside the pointer, shown small

    // A spin: `fullTurns` whole turns at full speed, then slower and slower
    // until, a turn later at the least, sector `target` (1..Sectors in the
    // wheel's first order) reaches the pointer.
    void startSpin(int target, int fullTurns);
    // One step: every sector moves on one place. Returns the delay before the
    // next step, given this one's, or 0 when the wheel has stopped.
    int step(int delayMs);
    // No spin under way, as at a new game; the sectors stay where they are.
    void rest();

    // Where a spin is: whole turns at full speed, whole turns made, steps into the current turn.
    int fullTurns() const { return m_fullTurns; }
    int turns() const { return m_turns; }
    const int& stepsIntoTurn() const { return m_steps; }

private:
    // The sector (1..Sectors) at label k.
    int sectorAt(int k) const { return (k - 1 - m_shift + 2 * Sectors) % Sectors + 1; }
    void showLabels();

    int m_shift = 0;  // places the sectors moved on from the first order
    int m_target = 0;
    int m_fullTurns = 0;
    int m_turns = 0;
    int m_steps = 0;
};
