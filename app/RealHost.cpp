// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RealHost.h"

#include <QApplication>
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

void RealHost::sleepUntil(double t)
{
    const double remaining = t - now();
    if (remaining > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
}

void RealHost::beep()
{
    QApplication::beep();
}
