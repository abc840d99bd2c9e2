// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pause: the clock stopped, the dispatcher held, the card shown.
#include "core/pause.h"

#include "core/clock.h"
#include "core/dispatcher.h"

Pause::Pause(Clock& clock, Dispatcher& dispatcher) : m_clock(clock), m_dispatcher(dispatcher)
{
    m_dispatcher.letThroughWhenHeld(key);
}

bool Pause::isOn() const
{
    return m_clock.isPaused();
}

void Pause::toggle()
{
    if (isOn())
        m_clock.resume();
    else
        m_clock.pause();
    m_dispatcher.hold(isOn());
    card.visible = isOn();
}
