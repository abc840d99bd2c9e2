// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QString>

#include <array>

// The wheel: sixteen sectors passing the pointer. A spin runs at full speed
// for a few whole turns, then every step takes a little longer, and the wheel
// stops when the sector drawn for the spin reaches the pointer.
class Wheel {
public:
    static constexpr int Sectors = 16;
    static constexpr int FirstStepMs = 150;  // the delay between steps at full speed
    static constexpr int SlowDownMs = 25;    // added to it at every step once the wheel slows down

    // The sectors in the wheel's first order, the first at the pointer.
    static const std::array<QString, Sectors>& sectors();
    // Points per tile a letter opens on `sector`; 0 for "x2" (it doubles
    // instead) and for the sectors without points.
    static int points(const QString& sector);

    Wheel();

    // Sector labels 1..Sectors, labels[1] at the pointer; entry 0 is unused.
    std::array<Control, Sectors + 1> labels;
    Control pointer;  // the sector beside the pointer, shown small

    // A spin: `fullTurns` whole turns at full speed, then slower and slower
    // until, a turn later at the least, `target` reaches the pointer.
    void startSpin(const QString& target, int fullTurns);
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
    QString m_target;
    int m_fullTurns = 0;
    int m_turns = 0;
    int m_steps = 0;
};
