// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"

#include <QHash>

class QTimer;

// The program's clock: each armed timer ticks on a precise QTimer, and every
// tick runs through the dispatcher.
class QtClock : public Clock {
public:
    ~QtClock() override;
    void arm(Timer& timer) override;
    void disarm(Timer& timer) override;
    void forget(Timer& timer) override;

private:
    QHash<Timer*, QTimer*> m_timers;
};
