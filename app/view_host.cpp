// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_host.h"

#include "dispatcher.h"
#include "form.h"
#include "screen_view.h"

#include <QEvent>
#include <QTimer>

ViewHost::ViewHost(Dispatcher& dispatcher)
{
    dispatcher.addListener([this] { sync(); });
}

ViewHost::~ViewHost() = default;

void ViewHost::add(Form& form, std::function<std::unique_ptr<ScreenView>()> make)
{
    m_entries.push_back({&form, std::move(make), nullptr});
}

void ViewHost::sync()
{
    for (Entry& e : m_entries) {
        if (!e.view && e.form->isVisible())
            e.view = e.make();
        if (e.view)
            e.view->sync();
    }
}

ScreenView* ViewHost::view(const Form& form) const
{
    for (const Entry& e : m_entries)
        if (e.form == &form)
            return e.view.get();
    return nullptr;
}

void ViewHost::makeAll()
{
    for (Entry& e : m_entries)
        if (!e.view)
            e.view = e.make();
    sync();
}

void ViewHost::prepareAhead()
{
    for (Entry& e : m_entries) {
        if (e.view && e.view->isVisible()) {
            m_preparing = true;
            m_next = 0;
            m_madeNext = false;
            e.view->installEventFilter(this);
            return;
        }
    }
}

bool ViewHost::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        // The first frame is being drawn; the work starts once it is on screen.
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { prepareNext(); });
    }
    return false;
}

void ViewHost::prepareNext()
{
    while (m_next < m_entries.size()) {
        Entry& e = m_entries[m_next];
        if (!e.view) {
            e.view = e.make();
            m_madeNext = true;
            break;
        }
        if (m_madeNext && !e.view->isVisible()) {
            e.view->prepare();
            m_madeNext = false;
            ++m_next;
            break;
        }
        m_madeNext = false;
        ++m_next;
    }
    if (m_next < m_entries.size())
        QTimer::singleShot(0, this, [this] { prepareNext(); });
    else
        m_preparing = false;
}
