// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "binder.h"

#include <QWidget>

class Form;
class Dispatcher;

// The window of one screen: a fixed client size, a caption bar with no close
// box, centred on the desktop when shown. Subclasses lay out their widgets at
// the screen's pixel places, bind them to the form's controls and forward
// clicks to the form's handlers through the dispatcher. The view decides nothing.
class ScreenView : public QWidget {
public:
    ScreenView(Form& form, Dispatcher& dispatcher, bool resizable = false);

    // Mirror the form: its controls, then its own visibility.
    virtual void sync();
    // While hidden, does ahead what the first showing would otherwise wait
    // for: the native window, the style's polish, the pictures.
    void prepare();

protected:
    // A screen is left only through its own buttons and timers: a close sent
    // by the window manager (Alt+F4, a taskbar) is refused.
    void closeEvent(QCloseEvent* event) override;
    // Run the handler of `control` as one event, if the control can be used.
    void press(const Control& control, const std::function<void()>& handler);
    Binder m_binder;
    Dispatcher& m_dispatcher;

private:
    void centre();
    Form& m_form;
    bool m_placed = false;
};
