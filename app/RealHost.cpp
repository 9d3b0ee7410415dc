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
// helper thread wakes it at t. Pending input, which the wait leaves queued,
// makes every pass return at once: then it sleeps in slices instead of spinning.
void RealHost::sleepUntil(double t)
{
    constexpr double quick = 0.0005, slice = 0.005; // s
    constexpr QEventLoop::ProcessEventsFlags windowSystemOnly = QEventLoop::ExcludeUserInputEvents |
                                                                QEventLoop::X11ExcludeTimers |
                                                                QEventLoop::WaitForMoreEvents;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    const auto remaining = [this, t] { return std::chrono::duration<double>(t - now()); };
    std::thread waker([dispatcher, wake = std::chrono::steady_clock::now() + remaining()] {
        std::this_thread::sleep_until(wake);
        dispatcher->wakeUp();
    });
    for (int quickPasses = 0; remaining().count() > 0;) {
        const double before = now();
        if (quickPasses < 2)
            dispatcher->processEvents(windowSystemOnly);
        else
            std::this_thread::sleep_for(
                std::min(remaining(), std::chrono::duration<double>(slice)));
        quickPasses = now() - before < quick ? quickPasses + 1 : 0;
    }
    waker.join();
}

void RealHost::beep()
{
    QApplication::beep();
}
