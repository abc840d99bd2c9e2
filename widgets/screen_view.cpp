// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's window: its size, caption and place on the desktop, and the path
// from a widget's event to the form's handler.
#include "screen_view.h"

#include "dispatcher.h"
#include "fonts.h"
#include "form.h"
#include "svg_picture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

ScreenView::ScreenView(Form& form, Dispatcher& dispatcher, bool resizable)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dispatcher(dispatcher), m_form(form)
{
    setWindowTitle(form.caption());
    setFont(Fonts::standard());
    if (resizable)
        resize(form.clientWidth(), form.clientHeight());
    else
        setFixedSize(form.clientWidth(), form.clientHeight());
}

void ScreenView::press(const Control& control, const std::function<void()>& handler)
{
    m_dispatcher.press(m_form, control, handler);
}

void ScreenView::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void ScreenView::centre()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void ScreenView::prepare()
{
    if (isVisible())
        return;
    winId();
    ensurePolished();
    for (SvgPicture* picture : findChildren<SvgPicture*>())
        picture->prepare();
    // One frame drawn off screen with the form's texts lays out the text
    // boxes and fills the font and style caches the first frame needs.
    m_binder.sync();
    const qreal ratio = devicePixelRatioF();
    QImage scratch(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    render(&scratch);
}

void ScreenView::sync()
{
    if (m_form.isVisible() || isVisible())
        m_binder.sync();
    if (isEnabled() != m_form.isEnabled())
        setEnabled(m_form.isEnabled());
    if (m_form.isVisible() && !isVisible()) {
        if (!m_placed) {
            centre();
            m_placed = true;
        }
        show();
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            raise();
            activateWindow();
        }
    } else if (!m_form.isVisible() && isVisible()) {
        hide();
        // A hidden window gives back its native window and with it the
        // backing store, a full-size copy of its pixels; showing it again
        // makes new ones at once.
        destroy();
    }
}
