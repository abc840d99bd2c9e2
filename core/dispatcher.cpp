// SPDX-License-Identifier: GPL-3.0-or-later
// The dispatcher: runs each event to completion, then the after-event timers
// and the views' refresh, and turns a GameError into the error box's text.
#include "core/dispatcher.h"

#include "core/control.h"
#include "core/form.h"
#include "core/game_error.h"
#include "core/timer.h"

#include <algorithm>

void Dispatcher::addAfterEvent(Timer* timer)
{
    m_afterEvent.push_back(timer);
}

void Dispatcher::removeAfterEvent(Timer* timer)
{
    m_afterEvent.erase(std::remove(m_afterEvent.begin(), m_afterEvent.end(), timer), m_afterEvent.end());
}

void Dispatcher::run(const std::function<void()>& handler)
{
    if (m_depth > 0) {
        handler();
        return;
    }
    ++m_depth;
    QString error;
    try {
        handler();
    } catch (const GameError& e) {
        error = e.message();
    }
    try {
        for (Timer* timer : m_afterEvent)
            if (timer->isRunning())
                timer->fire();
    } catch (const GameError& e) {
        if (error.isEmpty())
            error = e.message();
    }
    --m_depth;
    for (const auto& listener : m_listeners)
        listener();
    if (!error.isEmpty())
        report(error + QLatin1Char('.'));
}

bool Dispatcher::press(const Form& form, const Control& control, const std::function<void()>& handler, Hand hand)
{
    if (!form.isVisible() || !form.isEnabled() || !control.visible || !control.enabled)
        return false;
    if (hand == Hand::Person && form.heldByComputer(control))
        return false;
    if (m_held && std::find(m_letThrough.begin(), m_letThrough.end(), &control) == m_letThrough.end())
        return false;
    if (m_pressWatcher)
        m_pressWatcher(form, control, hand);
    run(handler);
    return true;
}

void Dispatcher::report(const QString& message)
{
    if (m_reporter)
        m_reporter(message);
}
