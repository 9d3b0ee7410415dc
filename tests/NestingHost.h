// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/Exercise.h"
#include "sim/FlowHost.h"

#include <algorithm>
#include <functional>

// A host that presses the water's "Больше" at every event processing of a
// flow with the tap open, each press nesting one more invocation (it drains
// the tube to keep it from filling up). At `depth` it runs `atDepth` and the
// window closes. The clock moves only by tick waits.
class NestingHost : public FlowHost
{
public:
    explicit NestingHost(int depth) : m_depth(depth) {}

    Exercise *form = nullptr;
    std::function<void()> atDepth;
    int deepest = 0;

    void processEvents() override
    {
        deepest = std::max(deepest, form->invocations());
        if (deepest >= m_depth) {
            if (atDepth)
                atDepth();
            form->noteWindowClosed();
            return;
        }
        while (form->state().scene.water().height > 2000)
            form->drainWater();
        form->fillWater();
    }
    void waitForEvents() override {}
    double now() override { return m_clock; }
    void sleepUntil(double t) override { m_clock = t; }
    void beep() override {}

private:
    int m_depth;
    double m_clock = 0;
};
