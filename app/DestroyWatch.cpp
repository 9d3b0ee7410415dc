// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DestroyWatch.h"

#include <QCoreApplication>
#include <QWidget>
#include <xcb/xproto.h>

DestroyWatch::DestroyWatch(const QWidget &window, std::function<void()> destroyed)
    : m_window(window), m_destroyed(std::move(destroyed))
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
    if (reinterpret_cast<const xcb_destroy_notify_event_t *>(event)->window ==
        m_window.internalWinId())
        m_destroyed();
    return false;
}
