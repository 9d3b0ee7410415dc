// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/FlowHost.h"

#include <QElapsedTimer>
#include <functional>

// The flow cycle's host in the running program: Qt's event queue, a monotonic
// clock and real sleep. The tick wait sleeps and a held cycle blocks on the
// event queue, so neither burns the processor.
class RealHost : public FlowHost
{
public:
    RealHost();

    // Runs before each batch of events, so that they paint the current state.
    void setBeforeEvents(std::function<void()> callback) { m_beforeEvents = std::move(callback); }
    void closeWindow() { m_closed = true; }

    void processEvents() override;
    void waitForEvents() override;
    double now() override;
    void sleepUntil(double t) override;
    void beep() override;
    bool windowClosed() override { return m_closed; }

private:
    QElapsedTimer m_clock;
    std::function<void()> m_beforeEvents;
    bool m_closed = false;
};
