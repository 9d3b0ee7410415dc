// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RealHost.h"

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
// next event processing of the flow. It sleeps in short slices in between, so
// that pending input, which makes every pass return at once, cannot spin.
void RealHost::sleepUntil(double t)
{
    constexpr double slice = 0.005; // s
    constexpr QEventLoop::ProcessEventsFlags windowSystemOnly =
        QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers;
    for (double remaining = t - now(); remaining > 0; remaining = t - now()) {
        QCoreApplication::processEvents(windowSystemOnly);
        std::this_thread::sleep_for(std::chrono::duration<double>(std::min(slice, t - now())));
    }
}

void RealHost::beep()
{
    QApplication::beep();
}
