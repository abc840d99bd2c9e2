// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' virtual clock: due ticks fired one at a time, in time order.
#include "tests/support/manual_clock.h"

#include "core/dispatcher.h"
#include "core/timer.h"

#include <algorithm>

void ManualClock::schedule(Timer& timer, std::int64_t ms)
{
    unschedule(timer);
    m_entries.push_back({m_now + std::max<std::int64_t>(ms, 1), m_seq++, &timer});
}

void ManualClock::unschedule(Timer& timer)
{
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const Entry& e) { return e.timer == &timer; }),
                    m_entries.end());
}

std::vector<Clock::Left> ManualClock::unscheduleAll()
{
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.due != b.due ? a.due < b.due : a.seq < b.seq; });
    std::vector<Left> left;
    for (const Entry& e : m_entries)
        left.push_back({e.timer, e.due - m_now});
    m_entries.clear();
    return left;
}

std::vector<ManualClock::Entry>::iterator ManualClock::earliest()
{
    return std::min_element(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.due != b.due ? a.due < b.due : a.seq < b.seq;
    });
}

std::int64_t ManualClock::nextDueIn() const
{
    if (m_entries.empty())
        return -1;
    auto it = std::min_element(m_entries.begin(), m_entries.end(),
                               [](const Entry& a, const Entry& b) { return a.due < b.due; });
    return it->due - m_now;
}

void ManualClock::fire(Entry entry)
{
    m_now = entry.due;
    Timer* timer = entry.timer;
    // A repeating timer's next tick is one interval after this one, unless the
    // handler stops it or gives it a new interval.
    m_entries.push_back({m_now + std::max(timer->interval(), 1), m_seq++, timer});
    if (m_dispatcher)
        m_dispatcher->run([timer] { timer->fire(); });
    else
        timer->fire();
}

bool ManualClock::fireNext()
{
    if (m_entries.empty())
        return false;
    auto it = earliest();
    Entry entry = *it;
    m_entries.erase(it);
    fire(entry);
    return true;
}

void ManualClock::advance(std::int64_t ms)
{
    const std::int64_t end = m_now + ms;
    while (!m_entries.empty()) {
        auto it = earliest();
        if (it->due > end)
            break;
        Entry entry = *it;
        m_entries.erase(it);
        fire(entry);
    }
    m_now = end;
}
