#include "screen_view.h"

#include "dispatcher.h"
#include "fonts.h"
#include "form.h"

#include <QCloseEvent>
#include <QGuiApplication>
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
    }
}
