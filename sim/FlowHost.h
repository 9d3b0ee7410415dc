// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the flow cycle needs from the world outside the core: the event queue,
// a clock and the system beep. The program's host drives Qt's event loop and
// the real clock; the scripted host plays recorded actions against a simulated
// clock.
class FlowHost
{
public:
    virtual ~FlowHost() = default;

    // Runs every pending event handler; a handler may start the flow cycle.
    virtual void processEvents() = 0;
    // Blocks until at least one event arrives, then runs the pending handlers.
    virtual void waitForEvents() = 0;
    // Monotonic seconds.
    virtual double now() = 0;
    // Returns at time t; runs no event handler meanwhile.
    virtual void sleepUntil(double t) = 0;
    virtual void beep() = 0;
};
