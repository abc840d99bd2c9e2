// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dispatcher;
class Timer;

// Where clocked timers tick. Every tick is run through the dispatcher, one at
// a time, like a single-threaded event loop.
class Clock {
public:
    virtual ~Clock() = default;
    // (Re)schedule the timer's next tick one interval from now.
    virtual void arm(Timer& timer) = 0;
    virtual void disarm(Timer& timer) = 0;
    // The timer is going away.
    virtual void forget(Timer& timer) { disarm(timer); }

    void setDispatcher(Dispatcher* dispatcher) { m_dispatcher = dispatcher; }

protected:
    Dispatcher* m_dispatcher = nullptr;
};
