// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class Dispatcher;
class Form;
class FullScreenStage;
class ScreenView;

// Keeps the windows in step with the screens after every event. Start-up
// builds the menu's window alone; prepareAhead() then makes the others in the
// idle time after the menu's first frame, so no screen's first showing waits
// for its window to be built or its pictures to be rendered.
class ViewHost : public QObject {
public:
    explicit ViewHost(Dispatcher& dispatcher);
    ~ViewHost() override;
    void add(Form& form, std::function<std::unique_ptr<ScreenView>()> make);
    void sync();
    // The window of a screen, if it has been made.
    ScreenView* view(const Form& form) const;
    // Make every window now (for screenshots and view tests).
    void makeAll();
    // Once the window on screen has drawn its first frame, make each window
    // not yet made and prepare it, one step per turn of the event loop so a
    // click on the menu waits at most for one step. Nothing ticks afterwards.
    void prepareAhead();
    // Whether windows are still being made ahead of need, or brought to full
    // screen or out of it.
    bool preparing() const { return m_preparing || m_switchPending; }
    // Full screen for every window, the one on view at once, the others as
    // they come on view (or earlier, in idle time, so none waits for its
    // pictures to be drawn at the new size). Full screen the windows are laid
    // into one window that covers the screen, and take turns on it. F11, Esc
    // and the full-screen buttons of the windows ask for it here.
    void setFullScreen(bool on);
    bool fullScreen() const { return m_fullScreen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether one of the game's windows (or a message box of its) is active.
    bool gameHoldsFocus() const;
    void prepareNext();
    // Brings the next hidden window to the mode, one per turn of the event loop.
    void switchNextHidden();
    // A moment after a window is shown or hidden: drop cached pieces of
    // windows and give the allocator's free room back to the system.
    void trimSoon();
    static constexpr int TrimDelayMs = 300;
    // Full screen the style's pieces of the large buttons and boxes, and the
    // pictures of large text (see KeptText), are kept from one change to the
    // next (drawing them again costs a few milliseconds a widget), in a cache
    // that grows with the screen: at 1920 x 1080 it keeps the game's memory
    // under one and a half times its windowed size. At half this size the
    // menu's pieces pushed each other out and were drawn again at each visit.
    static constexpr int WindowedCacheKiB = 10240;  // Qt's own default
    static constexpr int FullScreenCacheKiBPerHdScreen = 8192;
    static int fullScreenCacheKiB();

    struct Entry {
        Form* form;
        std::function<std::unique_ptr<ScreenView>()> make;
        std::unique_ptr<ScreenView> view;
    };
    void make(Entry& e);
    QWidget* stageIfFullScreen() const;
    // Made at the first full screen. Declared before the windows: they may be
    // its children, and are destroyed first.
    std::unique_ptr<FullScreenStage> m_stage;
    std::vector<Entry> m_entries;
    bool m_preparing = false;
    std::size_t m_next = 0;    // the entry prepareNext() looks at
    bool m_madeNext = false;   // it has made that entry's window and will prepare it next
    bool m_trimPending = false;
    bool m_fullScreen = false;
    bool m_switchPending = false;
};
