// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock: a QTimer per armed timer, each tick through the dispatcher.
#include "widgets/qt_clock.h"

#include "core/dispatcher.h"
#include "core/timer.h"

#include <QTimer>

QtClock::~QtClock()
{
    qDeleteAll(m_timers);
}

void QtClock::arm(Timer& timer)
{
    QTimer*& qt = m_timers[&timer];
    if (!qt) {
        qt = new QTimer;
        qt->setTimerType(Qt::PreciseTimer);
        Timer* t = &timer;
        QObject::connect(qt, &QTimer::timeout, [this, t] {
            if (m_dispatcher)
                m_dispatcher->run([t] { t->fire(); });
            else
                t->fire();
        });
    }
    qt->start(timer.interval());
}

void QtClock::disarm(Timer& timer)
{
    if (QTimer* qt = m_timers.value(&timer))
        qt->stop();
}

void QtClock::forget(Timer& timer)
{
    delete m_timers.take(&timer);
}
