// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/FlowHost.h"
#include "ui/WindowSystemWait.h"

#include <QElapsedTimer>

// The flow cycle's host in the running program: Qt's event queue, a monotonic
// clock and real waiting. The tick wait serves only the window system and a
// held cycle blocks on the event queue, so neither burns the processor.
class RealHost : public FlowHost
{
public:
    RealHost();

    void processEvents() override;
    void waitForEvents() override;
    double now() override;
    void sleepUntil(double t) override;
    void beep() override;

private:
    QElapsedTimer m_clock;
    WindowSystemWait m_tickWait;
};
