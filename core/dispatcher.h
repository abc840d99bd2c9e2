// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "form.h"

class Timer;

// Runs every event (click, key, timer tick) to completion: the handler, then
// the after-event timers that are running, then the views' refresh. An error
// raised by the handler ends it there; its message, with a full stop, goes to
// the error reporter once the event is over.
class Dispatcher {
public:
    using Reporter = std::function<void(const QString&)>;

    void setErrorReporter(Reporter reporter) { m_reporter = std::move(reporter); }
    void addListener(std::function<void()> afterEvent) { m_listeners.push_back(std::move(afterEvent)); }
    void addAfterEvent(Timer* timer);
    void removeAfterEvent(Timer* timer);

    // Runs the handler as one event; a call made from inside an event runs inline.
    void run(const std::function<void()>& handler);
    // A click or typing on `control` of `form`, run as one event only while
    // both can be used: a hidden or disabled control never acts, whatever a
    // window, the keyboard or a stale widget sends, and a person's hand does
    // not reach a control the computer holds. Returns whether it acted.
    bool press(const Form& form, const Control& control, const std::function<void()>& handler, Hand hand = Hand::Person);
    // Told of every press that acted, before its handler runs (a test's log of who pressed what).
    using PressWatcher = std::function<void(const Form&, const Control&, Hand)>;
    void setPressWatcher(PressWatcher watcher) { m_pressWatcher = std::move(watcher); }

    // Held (the game paused), press() lets nothing act but the controls let
    // through: the pause's own key and button.
    void hold(bool held) { m_held = held; }
    bool isHeld() const { return m_held; }
    void letThroughWhenHeld(const Control& control) { m_letThrough.push_back(&control); }

private:
    void report(const QString& message);

    Reporter m_reporter;
    PressWatcher m_pressWatcher;
    std::vector<std::function<void()>> m_listeners;
    std::vector<Timer*> m_afterEvent;
    int m_depth = 0;
    bool m_held = false;
    std::vector<const Control*> m_letThrough;
};
