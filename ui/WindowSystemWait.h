// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSocketNotifier>
#include <chrono>
#include <memory>

// Waits until a moment on the monotonic clock while serving the window
// system: painting, exposure, a screen reader's requests. No handler runs
// meanwhile: mouse and key input and timers stay queued. The wait blocks on
// the event queue and a timer descriptor that fires at the moment, so it
// costs neither a thread nor the processor.
class WindowSystemWait
{
public:
    using Moment = std::chrono::steady_clock::time_point;

    WindowSystemWait();
    ~WindowSystemWait();
    WindowSystemWait(const WindowSystemWait &) = delete;
    WindowSystemWait &operator=(const WindowSystemWait &) = delete;

    void until(Moment moment);
    // Drops the mouse and key input (a window manager's close included) that
    // came while no handler could run, instead of acting on it late.
    static void discardInput();

private:
    int m_timer = -1; // a timerfd; without one the wait sleeps in short slices
    std::unique_ptr<QSocketNotifier> m_fired;
};
