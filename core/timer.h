// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Runtime;

// A named timer of a screen. A one-shot step of the game is a timer whose
// handler stops it first. Timers that exist only to keep the screen up to date
// ("every 1 ms") are AfterEvent timers: instead of ticking they run once after
// every event while they are running, which looks the same and costs nothing
// while the game waits.
class Timer {
public:
    enum class Mode { Clocked, AfterEvent };

    Timer(Runtime& runtime, const QString& name, int intervalMs, std::function<void()> handler,
          Mode mode = Mode::Clocked);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Starting a running timer changes nothing; its next tick stays where it was.
    void start();
    void stop();
    // A new interval; on a running timer the next tick follows it from now.
    void setInterval(int ms);
    int interval() const { return m_interval; }
    bool isRunning() const { return m_running; }
    const QString& name() const { return m_name; }

    // Called by the clock (or the dispatcher for AfterEvent timers) on a tick.
    void fire();

private:
    Runtime& m_runtime;
    QString m_name;
    int m_interval;
    std::function<void()> m_handler;
    Mode m_mode;
    bool m_running = false;
};
