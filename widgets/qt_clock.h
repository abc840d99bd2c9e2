// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"

#include <QHash>

class QTimer;

// The program's clock: each armed timer ticks on a precise QTimer, and every
// tick runs through the dispatcher. In a pause every QTimer is stopped, so
// nothing wakes the program.
class QtClock : public Clock {
public:
    ~QtClock() override;

protected:
    void schedule(Timer& timer, std::int64_t ms) override;
    void unschedule(Timer& timer) override;
    void release(Timer& timer) override;
    std::vector<Left> unscheduleAll() override;

private:
    QHash<Timer*, QTimer*> m_timers;
};
