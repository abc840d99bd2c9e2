// SPDX-License-Identifier: GPL-3.0-or-later
#include "studio/wheel.h"

Wheel::Wheel()
{
    showLabels();
}

void Wheel::showLabels()
{
    for (int k = 1; k <= Sectors; ++k)
        labels[static_cast<std::size_t>(k)].text = Sector::wheel()[static_cast<std::size_t>(sectorAt(k) - 1)].label();
    pointer.text = labels[1].text;
}

void Wheel::startSpin(int target, int fullTurns)
{
    m_target = target;
    m_fullTurns = fullTurns;
    m_turns = 0;
    m_steps = 0;
}

int Wheel::step(int delayMs)
{
    m_shift = (m_shift + 1) % Sectors;
    showLabels();

    if (++m_steps == Sectors) {
        m_steps = 0;
        ++m_turns;
    }
    if (m_turns < m_fullTurns)
        return delayMs;
    if (m_turns > m_fullTurns && sectorAt(1) == m_target)
        return 0;
    return delayMs + SlowDownMs;
}

void Wheel::rest()
{
    m_turns = 0;
    m_steps = 0;
}
