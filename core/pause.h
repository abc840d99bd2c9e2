// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"

class Clock;
class Dispatcher;

// The game's pause. toggle() stops every timer of the game where it stands
// (a turning wheel, a host's pause, the bargaining, a computer player's
// thinking alike: they all tick on the one clock) and holds the dispatcher,
// so that no click or key acts but the pause's own; toggling again gives each
// timer exactly the time it had left. A screen that can be paused covers its
// play with `card` while the pause is on, and its pause keys press `key`
// (the studio's have its pause button instead).
class Pause {
public:
    Pause(Clock& clock, Dispatcher& dispatcher);
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

    void toggle();
    bool isOn() const;

    Control card{false, true, QStringLiteral("Пауза"), 0};
    Control key;

private:
    Clock& m_clock;
    Dispatcher& m_dispatcher;
};
