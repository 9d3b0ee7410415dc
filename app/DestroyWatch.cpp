// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DestroyWatch.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <xcb/xcb.h>

DestroyWatch::DestroyWatch(const QWidget &window, std::function<void()> gone,
                           std::function<void()> destroyed)
    : m_window(window), m_gone(std::move(gone)), m_destroyed(std::move(destroyed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyWatch::~DestroyWatch() = default; // the filter leaves the application with it

bool DestroyWatch::nativeEventFilter(const QByteArray &type, void *message, qintptr *)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    constexpr quint8 sentByAnotherClient = 0x80;
    if ((event->response_type & ~sentByAnotherClient) != XCB_DESTROY_NOTIFY)
        return false;
    if (reinterpret_cast<const xcb_destroy_notify_event_t *>(event)->window !=
        m_window.internalWinId())
        return false;
    // An X server that shuts down (a Wayland compositor ending XWayland with
    // it) destroys the windows before it drops the connection. That is not a
    // close: Qt soon finds the connection broken, says so and ends the program
    // with status 1. A server that still answers a moment later has let
    // another client destroy the window.
    m_gone();
    // The window as the timer's context: a watch that goes with its window
    // takes no call later.
    QTimer::singleShot(settleTime, const_cast<QWidget *>(&m_window), [this] {
        if (serverAnswers())
            m_destroyed();
    });
    return false;
}

bool DestroyWatch::serverAnswers()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return true;
    xcb_connection_t *connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return !xcb_connection_has_error(connection);
}
