// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/binder.h"

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class Form;
class Dispatcher;

// The window of one screen: the form's client size, a caption bar with no
// buttons, its frame centred on the desktop's free area when first shown.
// Subclasses lay out their widgets at the screen's pixel places, bind them to
// the form's controls and forward clicks to the form's handlers through the
// dispatcher. The view decides nothing.
//
// The native window is made once and kept for the whole run, so the window
// manager sees one window per screen (its id, workspace and stacking stay);
// while hidden it gives back its backing store, the full-size copy of its
// pixels, and makes it again when shown.
class ScreenView : public QWidget {
public:
    ScreenView(Form& form, Dispatcher& dispatcher, bool resizable = false);

    // Mirror the form: its controls, then its own visibility.
    virtual void sync();
    // While hidden, does ahead what the first showing would otherwise wait
    // for: the native window and its place, the style's polish, the pictures.
    void prepare();
    // Whether the window takes the keyboard focus when sync() next shows it;
    // if not, it shows behind the window that has it and asks for attention.
    void setTakesFocus(bool takes) { m_takesFocus = takes; }
    // Where the screen's content starts in the window: the corner, unless the
    // window manager has made the window larger than the screen (maximised,
    // full screen), when the content stays in the middle at its own size.
    // Widgets moved after construction are placed relative to it.
    QPoint contentOrigin() const { return m_origin; }

    // Full screen: the window is laid into `stage`, the one window that covers
    // the screen, as its content (the screens take turns on it; see
    // FullScreenStage), and the screen's whole content is laid out again
    // scale() times its own size, every place, size, font and picture, in the
    // middle, with bars of the letterbox colour beside or above and below it.
    // Each is drawn anew at that size, so it stays sharp. With no stage it is
    // a window of its own again: the scale is 1 and nothing differs from the
    // screen's own size.
    void setFullScreen(QWidget* stage);
    bool isFullScreen() const { return m_fullScreen; }
    qreal scale() const { return m_scale; }
    // Where F11, Esc and a full-screen button send their wish; the host
    // switches every window, so that the mode stays from screen to screen.
    void setFullScreenRequest(std::function<void(bool)> request) { m_fullScreenRequest = std::move(request); }

protected:
    // F11 switches to full screen and back; Esc leaves it; the pause keys
    // press the pause (see pauseWith).
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void requestFullScreen(bool on);
    // The small button that switches full screen, at `place` in the screen's pixels.
    void addFullScreenButton(const QRect& place);
    // The colour of the bars beside the content in full screen.
    void setLetterbox(QColor colour) { m_letterbox = colour; }
    // Places a widget at `place` in the screen's own pixels, whatever the scale.
    void place(QWidget* widget, const QRect& place);
    // A font as large as the scale makes it, a little under, so that text
    // that fits windowed fits scaled.
    QFont scaled(const QFont& font) const;
    // After the scale has changed: what a subclass sizes to its content is
    // sized again (it runs after every sync() too).
    virtual void fit() {}
    // A screen is left only through its own buttons and timers: a close sent
    // by the window manager (Alt+F4, a taskbar) is refused.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Run the handler of `control` as one event, if the control can be used.
    void press(const Control& control, const std::function<void()>& handler);
    // On a screen that can be paused, the pause keys press `control`.
    void pauseWith(const Control& control, std::function<void()> handler);
    // The pause keys: Pause, and F12 for the keyboards without one (a letter
    // key would not do: in a Russian layout each types a letter).
    static bool isPauseKey(const QKeyEvent* event);
    Binder m_binder;
    Dispatcher& m_dispatcher;

private:
    void makeNative();
    void centre();
    // Shows it on the stage, the keyboard with it if it takes the focus.
    void showOnStage();
    // Lays the content out again for the window's size.
    void layOut();
    // The state of a widget at scale 1, taken before the first scaling.
    struct Base {
        QRect geometry;
        std::optional<QFont> font;
        QString styleSheet;
        QSize iconSize;
        QIcon icon;  // drawn from its SVG; scaled, the button gets a picture of it at its size
        qreal documentMargin = -1;
    };
    void takeBases();
    void applyScale();
    QHash<QWidget*, Base> m_bases;
    QFont m_baseFont;
    bool m_fullScreen = false;
    qreal m_scale = 1;
    QColor m_letterbox;
    std::function<void(bool)> m_fullScreenRequest;
    // The widget that had the keyboard when the window went on the stage
    // (moving it there takes the focus away), to have it again when shown.
    QPointer<QWidget> m_stageFocus;
    QWidget* m_fullScreenButton = nullptr;
    Form& m_form;
    const bool m_resizable;
    bool m_placed = false;
    std::optional<QMargins> m_frame;  // the window manager's frame, once asked
    bool m_takesFocus = true;
    QPoint m_origin;
    const Control* m_pauseControl = nullptr;
    std::function<void()> m_pauseHandler;
};
