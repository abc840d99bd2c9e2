// SPDX-License-Identifier: GPL-3.0-or-later
// A screen's window: its size, caption and place on the desktop, and the path
// from a widget's event to the form's handler.
#include "widgets/screen_view.h"

#include "core/dispatcher.h"
#include "widgets/fonts.h"
#include "core/form.h"
#include "widgets/full_screen_button.h"
#include "widgets/svg_picture.h"
#include "widgets/text_box_bar.h"
#include "widgets/window_manager.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// A rectangle `scale` times larger; neighbours that share an edge still do.
QRect scaledRect(const QRect& r, qreal scale)
{
    const int left = qRound(r.left() * scale), top = qRound(r.top() * scale);
    const int right = qRound((r.left() + r.width()) * scale), bottom = qRound((r.top() + r.height()) * scale);
    return QRect(left, top, right - left, bottom - top);
}

// A style sheet with every length in pixels `scale` times larger (a line stays at least a pixel).
QString scaledSheet(const QString& sheet, qreal scale)
{
    static const QRegularExpression length(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString out;
    qsizetype last = 0;
    for (auto it = length.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const double value = m.captured(1).toDouble();
        const long pixels = value > 0 ? std::max(1L, std::lround(value * scale)) : 0;
        out += sheet.mid(last, m.capturedStart() - last) + QString::number(pixels) + QStringLiteral("px");
        last = m.capturedEnd();
    }
    return out + sheet.mid(last);
}

// An icon drawn once at `size`, enabled and disabled.
QIcon iconPicture(const QIcon& icon, const QSize& size)
{
    const qreal ratio = qApp->devicePixelRatio();
    QIcon picture;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
        picture.addPixmap(icon.pixmap(size, ratio, mode), mode);
    return picture;
}

// The widgets a view placed itself: its children and theirs, but not the
// pieces a composite widget lays out on its own (a text box's scroll bars).
void collectPlaced(QWidget* parent, QList<QWidget*>& out)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        out.append(child);
        if (!qobject_cast<QAbstractScrollArea*>(child) && !qobject_cast<QAbstractSpinBox*>(child) && !qobject_cast<QLineEdit*>(child))
            collectPlaced(child, out);
    }
}

// A screen's own window: a caption bar with no buttons.
constexpr Qt::WindowFlags OwnWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

}

ScreenView::ScreenView(Form& form, Dispatcher& dispatcher, bool resizable)
    : QWidget(nullptr, OwnWindow),
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
    layOut();
}

void ScreenView::layOut()
{
    const QSize client(m_form.clientWidth(), m_form.clientHeight());
    const qreal scale = m_fullScreen ? std::min(qreal(width()) / client.width(), qreal(height()) / client.height()) : 1.0;
    const QSize content = scaledRect(QRect(QPoint(), client), scale).size();
    const QPoint origin(std::max(0, (width() - content.width()) / 2), std::max(0, (height() - content.height()) / 2));
    if (qFuzzyCompare(scale, m_scale) && origin == m_origin)
        return;
    if (qFuzzyCompare(scale, 1.0) && m_bases.isEmpty()) {
        // Never scaled: a window larger than its content (maximised by the
        // window manager) keeps the content in the middle at its own size.
        const QPoint shift = origin - m_origin;
        m_origin = origin;
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->pos() + shift);
        return;
    }
    takeBases();
    m_scale = scale;
    m_origin = origin;
    applyScale();
    fit();
    update();
}

void ScreenView::takeBases()
{
    if (!m_bases.isEmpty())
        return;
    // Taken at scale 1, before anything has been scaled.
    m_baseFont = font();
    QList<QWidget*> placed;
    collectPlaced(this, placed);
    for (QWidget* w : placed) {
        Base base;
        base.geometry = w->parentWidget() == this ? w->geometry().translated(-m_origin) : w->geometry();
        // A widget with a style sheet takes no font from its parent: it is given its own.
        if (w->testAttribute(Qt::WA_SetFont) || !w->styleSheet().isEmpty())
            base.font = w->font();
        base.styleSheet = w->styleSheet();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            base.iconSize = button->iconSize();
            base.icon = button->icon();
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            base.documentMargin = text->document()->documentMargin();
        m_bases.insert(w, base);
    }
}

void ScreenView::applyScale()
{
    setFont(scaled(m_baseFont));
    for (auto it = m_bases.cbegin(); it != m_bases.cend(); ++it) {
        QWidget* w = it.key();
        const Base& base = it.value();
        if (base.font)
            w->setFont(scaled(*base.font));
        if (!base.styleSheet.isEmpty())
            w->setStyleSheet(scaledSheet(base.styleSheet, m_scale));
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && base.iconSize.isValid()) {
            const QSize size = scaledRect(QRect(QPoint(), base.iconSize), m_scale).size();
            button->setIconSize(size);
            // An SVG icon is drawn again on every paint once the pixmap cache
            // has been emptied behind a change of screen (a few milliseconds
            // a large icon); scaled, each button keeps its icon drawn once.
            if (!base.icon.isNull())
                button->setIcon(qFuzzyCompare(m_scale, 1.0) ? base.icon : iconPicture(base.icon, size));
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && base.documentMargin >= 0)
            text->document()->setDocumentMargin(base.documentMargin * m_scale);
        if (auto* picture = qobject_cast<SvgPicture*>(w))
            picture->setScale(m_scale);
        const QRect r = scaledRect(base.geometry, m_scale);
        w->setGeometry(w->parentWidget() == this ? r.translated(m_origin) : r);
    }
}

void ScreenView::place(QWidget* widget, const QRect& place)
{
    if (m_bases.isEmpty()) {
        widget->setGeometry(place.translated(m_origin));
        return;
    }
    m_bases[widget].geometry = place;
    const QRect r = scaledRect(place, m_scale);
    widget->setGeometry(widget->parentWidget() == this ? r.translated(m_origin) : r);
}

QFont ScreenView::scaled(const QFont& font) const
{
    if (qFuzzyCompare(m_scale, 1.0))
        return font;
    // Hinting draws small text a little narrower than its larger self: a
    // few hundredths off the scale keep a text that fits windowed inside its
    // scaled widget.
    const qreal scale = m_scale * 0.97;
    QFont f = font;
    if (font.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * scale))));
    else
        f.setPointSizeF(font.pointSizeF() * scale);
    return f;
}

void ScreenView::setFullScreen(QWidget* stage)
{
    const bool on = stage != nullptr;
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (auto* button = static_cast<QAbstractButton*>(m_fullScreenButton))
        button->setChecked(on);
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Its own window goes; it is hidden on the stage until sync() shows it.
        m_stageFocus = focusWidget();
        // A plain part of the stage's window, with no native window of its own.
        setAttribute(Qt::WA_NativeWindow, false);
        setParent(stage);
        // A window has its background filled; on the stage a screen
        // without letterbox bars fills its own.
        setAutoFillBackground(!m_letterbox.isValid());
        setGeometry(stage->rect());
    } else {
        // A window of its own again, made anew as it is next shown or prepared.
        setParent(nullptr, OwnWindow);
        setAutoFillBackground(false);
        // Its place on the stage is no place on the desktop: the window goes
        // where centre() puts it, in the middle, not to the stage's corner.
        setAttribute(Qt::WA_Moved, false);
        m_placed = false;
        m_stageFocus = nullptr;
        const QSize client(m_form.clientWidth(), m_form.clientHeight());
        if (m_resizable) {
            setMinimumSize(client);
            resize(client);
        } else {
            setFixedSize(client);
        }
    }
    layOut();
}

void ScreenView::addFullScreenButton(const QRect& place)
{
    auto* button = new FullScreenButton(this);
    button->setGeometry(place.translated(m_origin));
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        button->setChecked(m_fullScreen);  // the mode, not the click, says how it looks
        requestFullScreen(!m_fullScreen);
    });
    m_fullScreenButton = button;
}

void ScreenView::requestFullScreen(bool on)
{
    if (m_fullScreenRequest)
        m_fullScreenRequest(on);
}

void ScreenView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier));
    if (plain && event->key() == Qt::Key_F11) {
        requestFullScreen(!m_fullScreen);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape && m_fullScreen) {
        requestFullScreen(false);
        return;
    }
    if (m_pauseControl && isPauseKey(event)) {
        press(*m_pauseControl, m_pauseHandler);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScreenView::paintEvent(QPaintEvent* event)
{
    if (!m_fullScreen || !m_letterbox.isValid())
        return;
    const QRect content(m_origin, scaledRect(QRect(QPoint(), QSize(m_form.clientWidth(), m_form.clientHeight())), m_scale).size());
    QPainter painter(this);
    for (const QRect& bar : QRegion(event->rect()).subtracted(content))
        painter.fillRect(bar, m_letterbox);
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
    if (isWindow()) {
        makeNative();
        // The place itself is set as the window is shown: Qt tells the window
        // manager a position only when it is set then.
        if (!m_frame)
            m_frame = WindowManager::frameExtents(this);
    }
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
    for (QPlainTextEdit* box : findChildren<QPlainTextEdit*>())
        TextBoxBar::drawAsShown(*box);
}

void ScreenView::sync()
{
    if (m_form.isVisible() || isVisible()) {
        m_binder.sync();
        fit();
    }
    if (isEnabled() != m_form.isEnabled())
        setEnabled(m_form.isEnabled());
    if (m_form.isVisible() && !isVisible() && !isWindow()) {
        showOnStage();
    } else if (m_form.isVisible() && !isVisible()) {
        makeNative();
        if (!m_placed && !m_fullScreen)
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
        // size, by the first frame after it is shown (unless it keeps it).
        if (QBackingStore* store = backingStore(); store && isWindow())
            store->resize(QSize(1, 1));
    }
}

void ScreenView::showOnStage()
{
    QWidget* stage = window();
    stage->setWindowTitle(windowTitle());
    show();
    raise();
    // A window taken off the screen while it had the keyboard leaves the
    // widgets with no active window, though the stage has the platform's
    // focus: they are told again, so that the keyboard reaches the screen.
    if (!stage->isActiveWindow() && stage->windowHandle() && stage->windowHandle() == QGuiApplication::focusWindow())
        QApplication::setActiveWindow(stage);
    if (!m_takesFocus) {
        QApplication::alert(stage);
        return;
    }
    // As a window of its own coming on view would: the widget that had the
    // keyboard, else the first that takes it from Tab, else the screen itself.
    auto canTake = [this](QWidget* w) { return w && isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled(); };
    QWidget* target = canTake(m_stageFocus) ? m_stageFocus.data() : canTake(focusWidget()) ? focusWidget() : nullptr;
    m_stageFocus = nullptr;
    Qt::FocusReason reason = Qt::ActiveWindowFocusReason;
    for (QWidget* w = nextInFocusChain(); !target && w && w != this; w = w->nextInFocusChain()) {
        if (canTake(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            target = w;
            reason = Qt::TabFocusReason;
        }
    }
    (target ? target : this)->setFocus(reason);
    stage->activateWindow();
}
