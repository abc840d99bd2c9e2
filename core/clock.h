// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

class Dispatcher;
class Timer;

// Where clocked timers tick. Every tick is run through the dispatcher, one at
// a time, like a single-threaded event loop.
//
// The clock can be paused: every armed timer then stands where it is, with
// the time it had left to its next tick, and nothing ticks at all; resume()
// gives each timer exactly that time again. A timer armed or stopped during
// the pause is put in or taken out of what resumes. Subclasses only schedule
// and unschedule ticks: the pause is the same for every clock.
class Clock {
public:
    virtual ~Clock() = default;
    // (Re)schedule the timer's next tick one interval from now (in a pause:
    // one interval from the resume).
    void arm(Timer& timer);
    void disarm(Timer& timer);
    // The timer is going away.
    void forget(Timer& timer);

    void pause();
    void resume();
    bool isPaused() const { return m_paused; }

    void setDispatcher(Dispatcher* dispatcher) { m_dispatcher = dispatcher; }

protected:
    struct Left {
        Timer* timer;
        std::int64_t ms;  // until its next tick
    };
    // The timer's next tick `ms` from now; the ticks after it follow its interval.
    virtual void schedule(Timer& timer, std::int64_t ms) = 0;
    virtual void unschedule(Timer& timer) = 0;
    virtual void release(Timer& timer) { unschedule(timer); }
    // Takes every scheduled tick off, each with the time it had left, in the
    // order they would have come.
    virtual std::vector<Left> unscheduleAll() = 0;

    Dispatcher* m_dispatcher = nullptr;

private:
    void drop(Timer& timer);

    bool m_paused = false;
    std::vector<Left> m_held;  // in a pause: what resume() schedules, in order
};
