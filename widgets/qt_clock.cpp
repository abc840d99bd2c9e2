// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock: a QTimer per armed timer, each tick through the dispatcher.
#include "widgets/qt_clock.h"

#include "core/dispatcher.h"
#include "core/timer.h"

#include <QTimer>

#include <algorithm>

QtClock::~QtClock()
{
    qDeleteAll(m_timers);
}

void QtClock::schedule(Timer& timer, std::int64_t ms)
{
    QTimer*& qt = m_timers[&timer];
    if (!qt) {
        qt = new QTimer;
        qt->setTimerType(Qt::PreciseTimer);
        Timer* t = &timer;
        QTimer* q = qt;
        QObject::connect(qt, &QTimer::timeout, [this, t, q] {
            // The first tick after a pause came after what was left; the
            // ones after it follow the timer's own interval again.
            if (q->interval() != t->interval())
                q->setInterval(t->interval());
            if (m_dispatcher)
                m_dispatcher->run([t] { t->fire(); });
            else
                t->fire();
        });
    }
    qt->start(static_cast<int>(std::clamp<std::int64_t>(ms, 0, INT32_MAX)));
}

void QtClock::unschedule(Timer& timer)
{
    if (QTimer* qt = m_timers.value(&timer))
        qt->stop();
}

void QtClock::release(Timer& timer)
{
    delete m_timers.take(&timer);
}

std::vector<Clock::Left> QtClock::unscheduleAll()
{
    std::vector<Left> left;
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (!it.value()->isActive())
            continue;
        left.push_back({it.key(), std::max(0, it.value()->remainingTime())});
        it.value()->stop();
    }
    std::sort(left.begin(), left.end(), [](const Left& a, const Left& b) { return a.ms < b.ms; });
    return left;
}
