// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's timers: started, stopped and ticking on the runtime's clock.
#include "core/timer.h"

#include "core/runtime.h"

Timer::Timer(Runtime& runtime, const QString& name, int intervalMs, std::function<void()> handler, Mode mode)
    : m_runtime(runtime), m_name(name), m_interval(intervalMs), m_handler(std::move(handler)), m_mode(mode)
{
    if (m_mode == Mode::AfterEvent)
        m_runtime.dispatcher.addAfterEvent(this);
}

Timer::~Timer()
{
    if (m_mode == Mode::AfterEvent)
        m_runtime.dispatcher.removeAfterEvent(this);
    else
        m_runtime.clock.forget(*this);
}

void Timer::start()
{
    if (m_running)
        return;
    m_running = true;
    if (m_mode == Mode::Clocked)
        m_runtime.clock.arm(*this);
}

void Timer::stop()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_mode == Mode::Clocked)
        m_runtime.clock.disarm(*this);
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    if (m_running && m_mode == Mode::Clocked)
        m_runtime.clock.arm(*this);
}

void Timer::fire()
{
    if (m_running && m_handler)
        m_handler();
}
