// SPDX-License-Identifier: GPL-3.0-or-later
// The pause of a clock: every armed timer keeps the time it had left.
#include "core/clock.h"

#include "core/timer.h"

#include <algorithm>

void Clock::arm(Timer& timer)
{
    if (!m_paused) {
        schedule(timer, timer.interval());
        return;
    }
    drop(timer);
    m_held.push_back({&timer, timer.interval()});
}

void Clock::disarm(Timer& timer)
{
    if (m_paused)
        drop(timer);
    else
        unschedule(timer);
}

void Clock::forget(Timer& timer)
{
    drop(timer);
    release(timer);
}

void Clock::pause()
{
    if (m_paused)
        return;
    m_paused = true;
    m_held = unscheduleAll();
}

void Clock::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    std::vector<Left> held = std::move(m_held);
    m_held.clear();
    // Ties keep their order: what was due first, then what was armed in the pause.
    std::stable_sort(held.begin(), held.end(), [](const Left& a, const Left& b) { return a.ms < b.ms; });
    for (const Left& left : held)
        schedule(*left.timer, left.ms);
}

void Clock::drop(Timer& timer)
{
    m_held.erase(std::remove_if(m_held.begin(), m_held.end(), [&](const Left& l) { return l.timer == &timer; }),
                 m_held.end());
}
