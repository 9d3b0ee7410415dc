// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RealHost.h"

#include <QApplication>
#include <chrono>

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
// next event processing of the flow.
void RealHost::sleepUntil(double t)
{
    const std::chrono::duration<double> remaining(t - now());
    m_tickWait.until(std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(remaining));
}

void RealHost::beep()
{
    QApplication::beep();
}
