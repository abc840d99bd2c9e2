// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's window: its size, caption and place on the desktop, and the path
// from a widget's event to the form's handler.
#include "widgets/screen_view.h"

#include "core/dispatcher.h"
#include "widgets/fonts.h"
#include "core/form.h"
#include "widgets/svg_picture.h"
#include "widgets/window_manager.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

ScreenView::ScreenView(Form& form, Dispatcher& dispatcher, bool resizable)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dispatcher(dispatcher),
      m_form(form),
      m_resizable(resizable)
{
    setWindowTitle(form.caption());
    setFont(Fonts::standard());
    const QSize client(form.clientWidth(), form.clientHeight());
    if (resizable) {
        // Larger, never smaller: every control stays in view.
        resize(client);
        setMinimumSize(client);
    } else {
        // Minimum and maximum alike: no manager offers to resize or maximise it.
        setFixedSize(client);
    }
}

void ScreenView::press(const Control& control, const std::function<void()>& handler)
{
    m_dispatcher.press(m_form, control, handler);
}

void ScreenView::pauseWith(const Control& control, std::function<void()> handler)
{
    m_pauseControl = &control;
    m_pauseHandler = std::move(handler);
}

bool ScreenView::isPauseKey(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Pause || event->key() == Qt::Key_F12) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !event->isAutoRepeat();
}

void ScreenView::keyPressEvent(QKeyEvent* event)
{
    if (m_pauseControl && isPauseKey(event)) {
        press(*m_pauseControl, m_pauseHandler);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScreenView::closeEvent(QCloseEvent* event)
{
    // A manager that keeps a close button whatever it is asked (Openbox)
    // gets at least a sound for it.
    if (event->spontaneous())
        QApplication::beep();
    event->ignore();
}

void ScreenView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QPoint origin(std::max(0, (width() - m_form.clientWidth()) / 2), std::max(0, (height() - m_form.clientHeight()) / 2));
    const QPoint shift = origin - m_origin;
    if (shift.isNull())
        return;
    m_origin = origin;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->move(child->pos() + shift);
}

void ScreenView::makeNative()
{
    winId();
    WindowManager::askForPlainCaption(this, m_resizable);
}

void ScreenView::centre()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame, caption bar and all, goes in the middle of the free area;
    // the window's own corner lies inside it by the frame's left and top.
    // The native window is placed itself, by its own corner, so that Qt
    // tells the manager to keep that corner where it is put.
    const QRect area = screen->availableGeometry();
    const QMargins frame = m_frame ? *m_frame : WindowManager::frameExtents(this);
    const QSize outer = size().grownBy(frame);
    const QPoint corner(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
    windowHandle()->setPosition(corner + QPoint(frame.left(), frame.top()));
    m_placed = true;
}

void ScreenView::prepare()
{
    if (isVisible())
        return;
    makeNative();
    // The place itself is set as the window is shown: Qt tells the window
    // manager a position only when it is set then.
    if (!m_frame)
        m_frame = WindowManager::frameExtents(this);
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
        makeNative();
        if (!m_placed)
            centre();
        // Qt reads the attribute and the window's property as it maps the
        // window: a manager then leaves the focus where it is.
        setAttribute(Qt::WA_ShowWithoutActivating, !m_takesFocus);
        windowHandle()->setProperty("_q_showWithoutActivating", !m_takesFocus);
        show();
        if (m_takesFocus) {
            if (QGuiApplication::platformName() != QLatin1String("offscreen"))  // it has no stacking
                raise();
            activateWindow();
        } else {
            QApplication::alert(this);
        }
    } else if (!m_form.isVisible() && isVisible()) {
        hide();
        // The window itself stays; its backing store is made again, at full
        // size, by the first frame after it is shown.
        if (QBackingStore* store = backingStore())
            store->resize(QSize(1, 1));
    }
}
