// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"

#include <cstdint>
#include <vector>

// Virtual time for tests: advance() fires due ticks one at a time in time
// order (ties in the order they were scheduled), each through the dispatcher.
// In a pause nothing is pending: advance() only moves the time on.
class ManualClock : public Clock {
public:
    // Run every tick due within the next `ms` milliseconds; time ends at now + ms.
    void advance(std::int64_t ms);
    // Run only the next pending tick, moving time to it. False if none is pending.
    bool fireNext();
    std::int64_t now() const { return m_now; }
    bool hasPending() const { return !m_entries.empty(); }
    // Time until the next tick, or -1.
    std::int64_t nextDueIn() const;

protected:
    void schedule(Timer& timer, std::int64_t ms) override;
    void unschedule(Timer& timer) override;
    std::vector<Left> unscheduleAll() override;

private:
    struct Entry {
        std::int64_t due;
        std::uint64_t seq;
        Timer* timer;
    };
    std::vector<Entry>::iterator earliest();
    void fire(Entry entry);

    std::vector<Entry> m_entries;
    std::int64_t m_now = 0;
    std::uint64_t m_seq = 0;
};
