// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RealHost.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <thread>

RealHost::RealHost()
{
    m_clock.start(); // monotonic: no jump at midnight or when the wall clock is set
}

void RealHost::processEvents()
{
    QCoreApplication::processEvents();
}

void RealHost::waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double RealHost::now()
{
    return double(m_clock.nsecsElapsed()) / 1e9;
}

// The tick wait serves the window system (painting, exposure, accessibility
// requests) but runs no handler: mouse and key input and timers wait for the
// next event processing of the flow. It blocks until an event comes or a
// helper thread wakes it at t. A pass that served something goes straight on
// to the next, so a screen reader's requests are answered one after another
// as fast as with the tap closed; a pass that served nothing (input left
// queued can wake it) is followed by a short sleep, so it cannot spin.
void RealHost::sleepUntil(double t)
{
    using Seconds = std::chrono::duration<double>;
    constexpr Seconds pause = std::chrono::milliseconds(5);
    constexpr QEventLoop::ProcessEventsFlags windowSystemOnly = QEventLoop::ExcludeUserInputEvents |
                                                                QEventLoop::X11ExcludeTimers |
                                                                QEventLoop::WaitForMoreEvents;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    const auto remaining = [this, t] { return Seconds(t - now()); };
    std::thread waker([dispatcher, wake = std::chrono::steady_clock::now() + remaining()] {
        std::this_thread::sleep_until(wake);
        dispatcher->wakeUp();
    });
    while (now() < t) {
        if (!dispatcher->processEvents(windowSystemOnly))
            std::this_thread::sleep_for(std::min(remaining(), pause));
    }
    waker.join();
}

void RealHost::beep()
{
    QApplication::beep();
}
