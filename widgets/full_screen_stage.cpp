// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/full_screen_stage.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QScreen>

FullScreenStage::FullScreenStage() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(QStringLiteral("Словодром"));
    // Nothing of its own shows: the screen on view paints every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FullScreenStage::open()
{
    // Sized before anything is shown, so that the screens are laid out once,
    // at the size they show at, and it covers the screen even where no window
    // manager does it.
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))  // it has no stacking
        raise();
    activateWindow();
}

void FullScreenStage::leave()
{
    hide();
    if (QBackingStore* store = backingStore())
        store->resize(QSize(1, 1));
}

void FullScreenStage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setGeometry(rect());
}

void FullScreenStage::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous())
        QApplication::beep();
    event->ignore();
}
