// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 properties behind WindowManager, written and read through xcb on
// Qt's own connection.
#include "widgets/window_manager.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace {

enum Atom {
    WmWindowType,
    WmWindowTypeNormal,
    WmAllowedActions,
    ActionMove,
    ActionResize,
    ActionChangeDesktop,
    ActionAbove,
    ActionBelow,
    ActionStick,
    MotifWmHints,
    FrameExtents,
    RequestFrameExtents,
    Supported,
    AtomCount
};

constexpr std::array<const char*, AtomCount> AtomNames = {
    "_NET_WM_WINDOW_TYPE",       "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_ALLOWED_ACTIONS",     "_NET_WM_ACTION_MOVE",
    "_NET_WM_ACTION_RESIZE",     "_NET_WM_ACTION_CHANGE_DESKTOP", "_NET_WM_ACTION_ABOVE",     "_NET_WM_ACTION_BELOW",
    "_NET_WM_ACTION_STICK",      "_MOTIF_WM_HINTS",            "_NET_FRAME_EXTENTS",          "_NET_REQUEST_FRAME_EXTENTS",
    "_NET_SUPPORTED"};

// The Motif hints: which fields count, then the functions and decorations wanted.
constexpr uint32_t MwmHintsFunctions = 1, MwmHintsDecorations = 2;
constexpr uint32_t MwmFuncResize = 2, MwmFuncMove = 4;
constexpr uint32_t MwmDecorBorder = 2, MwmDecorResizeHandle = 4, MwmDecorTitle = 8;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

struct X11 {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::array<xcb_atom_t, AtomCount> atoms{};
};

// Qt's connection and the atoms, interned once with a single round trip.
const X11* x11()
{
    static const X11 state = [] {
        X11 s;
        auto* native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (!native || !native->connection())
            return s;
        s.connection = native->connection();
        s.root = xcb_setup_roots_iterator(xcb_get_setup(s.connection)).data->root;
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (int i = 0; i < AtomCount; ++i)
            cookies[i] = xcb_intern_atom(s.connection, 0, static_cast<uint16_t>(std::strlen(AtomNames[i])), AtomNames[i]);
        for (int i = 0; i < AtomCount; ++i) {
            Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(s.connection, cookies[i], nullptr), &std::free);
            s.atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        }
        return s;
    }();
    return state.connection ? &state : nullptr;
}

std::vector<uint32_t> cardinals(const X11& x, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(x.connection, 0, window, property, type, 0, 1024);
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(x.connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

void setProperty(const X11& x, xcb_window_t window, xcb_atom_t property, xcb_atom_t type, const std::vector<uint32_t>& values)
{
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<uint32_t>(values.size()), values.data());
}

std::optional<QMargins> readExtents(const X11& x, xcb_window_t window)
{
    const std::vector<uint32_t> e = cardinals(x, window, x.atoms[FrameExtents], XCB_ATOM_CARDINAL);
    if (e.size() != 4)
        return std::nullopt;
    // Stored as left, right, top, bottom.
    return QMargins(static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]), static_cast<int>(e[3]));
}

bool managerAnswersFrameRequests(const X11& x)
{
    for (uint32_t atom : cardinals(x, x.root, x.atoms[Supported], XCB_ATOM_ATOM))
        if (atom == x.atoms[RequestFrameExtents])
            return true;
    return false;
}

}

namespace WindowManager {

void askForPlainCaption(QWidget* window, bool resizable)
{
    const X11* x = x11();
    if (!x || !window->internalWinId())
        return;
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const auto& a = x->atoms;
    setProperty(*x, id, a[WmWindowType], XCB_ATOM_ATOM, {a[WmWindowTypeNormal]});
    // No close, minimise or maximise; a resizable screen keeps its border to drag.
    const uint32_t functions = MwmFuncMove | (resizable ? MwmFuncResize : 0);
    const uint32_t decorations = MwmDecorBorder | MwmDecorTitle | (resizable ? MwmDecorResizeHandle : 0);
    setProperty(*x, id, a[MotifWmHints], a[MotifWmHints], {MwmHintsFunctions | MwmHintsDecorations, functions, decorations, 0, 0});
    // The manager keeps this list itself once it manages the window; set
    // ahead of mapping it tells one that reads it what the screen allows.
    std::vector<uint32_t> actions = {a[ActionMove], a[ActionChangeDesktop], a[ActionAbove], a[ActionBelow], a[ActionStick]};
    if (resizable)
        actions.push_back(a[ActionResize]);
    setProperty(*x, id, a[WmAllowedActions], XCB_ATOM_ATOM, actions);
    xcb_flush(x->connection);
}

QMargins frameExtents(QWidget* window)
{
    const X11* x = x11();
    if (!x || !window->internalWinId())
        return {};
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    std::optional<QMargins> extents = readExtents(*x, id);
    if (extents || window->isVisible() || !managerAnswersFrameRequests(*x))
        return extents.value_or(QMargins());
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = x->atoms[RequestFrameExtents];
    xcb_send_event(x->connection, 0, x->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(x->connection);
    // The manager answers by setting the property; it is read back until it
    // is there, for at most some 30 ms.
    for (int attempt = 0; attempt < 30 && !extents; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        extents = readExtents(*x, id);
    }
    return extents.value_or(QMargins());
}

}
