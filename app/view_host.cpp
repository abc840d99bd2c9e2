// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_host.h"

#include "core/dispatcher.h"
#include "core/form.h"
#include "widgets/full_screen_stage.h"
#include "widgets/screen_view.h"

#include <QApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
    // A change a timer makes (back from the bargaining, the end of a game)
    // takes the keyboard only if the game held it: a player who has clicked
    // into another program meanwhile goes on typing there.
    const bool focusHeld = gameHoldsFocus();
    bool changed = false;
    // Windows coming on view first, then those leaving it, so the focus
    // passes straight from one of the game's windows to the next.
    for (const bool coming : {true, false}) {
        for (Entry& e : m_entries) {
            if (e.form->isVisible() != coming)
                continue;
            if (!e.view && coming)
                make(e);
            if (!e.view)
                continue;
            if (coming && e.view->isFullScreen() != m_fullScreen)
                e.view->setFullScreen(stageIfFullScreen());
            const bool shown = e.view->isVisible();
            e.view->setTakesFocus(focusHeld);
            e.view->sync();
            changed = changed || shown != e.view->isVisible();
        }
    }
    if (changed)
        trimSoon();
}

bool ViewHost::gameHoldsFocus() const
{
    QWidget* active = QApplication::activeWindow();
    bool anyShown = false;
    for (const Entry& e : m_entries) {
        if (e.view && e.view->isVisible())
            anyShown = true;
        if (e.view && e.view->window() == active)
            return true;
    }
    // At start-up the first window takes the focus; so does one that follows
    // a message box of the game's.
    return !anyShown || (active && active->isModal());
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
            make(e);
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
            make(e);
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
    if (m_next < m_entries.size()) {
        QTimer::singleShot(0, this, [this] { prepareNext(); });
    } else {
        m_preparing = false;
        trimSoon();
    }
}

void ViewHost::make(Entry& e)
{
    e.view = e.make();
    e.view->setFullScreenRequest([this](bool on) { setFullScreen(on); });
    e.view->setFullScreen(stageIfFullScreen());
}

QWidget* ViewHost::stageIfFullScreen() const
{
    return m_fullScreen ? m_stage.get() : nullptr;
}

void ViewHost::setFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    QPixmapCache::setCacheLimit(on ? fullScreenCacheKiB() : WindowedCacheKiB);
    if (on && !m_stage)
        m_stage = std::make_unique<FullScreenStage>();
    if (on)
        m_stage->open();
    // The window on view moves onto the stage or off it, and is shown there.
    for (Entry& e : m_entries) {
        if (e.view && e.view->isVisible()) {
            e.view->setFullScreen(stageIfFullScreen());
            e.view->sync();
        }
    }
    if (!on)
        m_stage->leave();
    if (!m_switchPending) {
        m_switchPending = true;
        QTimer::singleShot(0, this, [this] { switchNextHidden(); });
    }
    trimSoon();
}

int ViewHost::fullScreenCacheKiB()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() * screen->devicePixelRatio() : QSize(1920, 1080);
    const double screens = double(size.width()) * size.height() / (1920.0 * 1080.0);
    return std::max(FullScreenCacheKiBPerHdScreen, static_cast<int>(FullScreenCacheKiBPerHdScreen * screens));
}

void ViewHost::switchNextHidden()
{
    for (Entry& e : m_entries) {
        if (e.view && !e.view->isVisible() && e.view->isFullScreen() != m_fullScreen) {
            e.view->setFullScreen(stageIfFullScreen());
            e.view->prepare();
            QTimer::singleShot(0, this, [this] { switchNextHidden(); });
            return;
        }
    }
    m_switchPending = false;
    trimSoon();
}

void ViewHost::trimSoon()
{
    // Making, preparing and hiding windows fills the style's pixmap cache with
    // pieces of windows no longer on screen and leaves the heap with free room
    // in small pieces that the allocator would keep. Once the change is on
    // screen, off the path of its first frame, drop the one (the window on
    // screen draws again what it needs, in a fraction of a millisecond) and
    // give the other back. It runs once per change: nothing ticks at rest.
    // Full screen the cache stays, held small (see fullScreenCacheKiB()).
    if (!m_trimPending) {
        m_trimPending = true;
        QTimer::singleShot(TrimDelayMs, this, [this] {
            m_trimPending = false;
            if (!m_fullScreen)
                QPixmapCache::clear();
#ifdef __GLIBC__
            malloc_trim(0);
#endif
        });
    }
}
