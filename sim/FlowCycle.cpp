// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tap and the flow cycle `runFlow`.
//
// The cycle is re-entered from its own event processing: reopening the tap
// while a cycle is held, or a fill while it flows, starts an invocation that
// runs to its end before the outer one resumes. The nesting is kept as a stack
// of invocation records, not as calls: the first runFlow() becomes the driver
// and always runs the innermost invocation's next step; a runFlow() from a
// handler inside the driver's event processing only pushes its record. A
// million nested invocations therefore cost a few megabytes of heap and no
// stack.
#include "sim/Exercise.h"

#include "scene/Geometry.h"
#include "sim/Apparatus.h"
#include "sim/FlowHost.h"

void Exercise::openTap()
{
    m_state.tapOpen = true;
    runFlow();
    emit changed();
}

void Exercise::closeTap()
{
    m_state.tapOpen = false;
    m_state.scene.waterStream().visible = false;
    emit changed();
}

void Exercise::runFlow()
{
    m_invocations.push_back({});
    startFlow();
    if (m_driving)
        return; // the running driver takes the new innermost invocation on
    m_driving = true;
    driveFlow();
    m_driving = false;
}

// Shows the streams of the tubes that hold liquid, or beeps when both are empty.
void Exercise::startFlow()
{
    Scene &scene = m_state.scene;
    const bool leftEmpty = scene.water().height <= Geometry::emptyColumnHeight;
    const bool rightEmpty = scene.liquid().height <= Geometry::emptyColumnHeight;
    if (leftEmpty && rightEmpty) {
        beep(Refusal::NothingToFlow);
        return;
    }
    scene.waterStream().visible = true;
    scene.liquidStream().visible = true;
    scene.collected().visible = true;
    if (leftEmpty)
        scene.waterStream().visible = false;
    else if (rightEmpty)
        scene.liquidStream().visible = false;
}

void Exercise::driveFlow()
{
    using Next = Invocation::Next;
    while (!m_invocations.empty()) {
        if (m_windowClosed) {
            m_invocations.clear();
            return;
        }
        // The host calls may push invocations: no reference survives them.
        Invocation &innermost = m_invocations.back();
        switch (innermost.next) {
        case Next::Pump:
            innermost.next = Next::Pass;
            emit changed();
            m_host.processEvents();
            break;
        case Next::Wait:
            innermost.next = Next::Pass;
            emit changed();
            m_host.waitForEvents();
            break;
        case Next::Pass:
            flowPass();
            break;
        }
    }
}

// One pass of the innermost invocation after its event processing: the tap
// test, the tick wait and one step of the liquid.
void Exercise::flowPass()
{
    Invocation &invocation = m_invocations.back();
    invocation.tickStart = m_host.now();
    if (!m_state.tapOpen) {
        endTest(EndTest::TapClosed);
        return;
    }
    m_host.sleepUntil(invocation.tickStart + Apparatus::tickPeriod);
    if (m_windowClosed)
        return;

    Scene &scene = m_state.scene;
    Element &collected = scene.collected();
    if (collected.height < Apparatus::collectedFlowLimit)
        Geometry::raise(collected, Apparatus::collectedStep);

    Element &water = scene.water();
    if (water.height > Apparatus::waterEmptyLimit) {
        // A whole step even from 35 twips: the water may end at 5.
        Geometry::lower(water, Apparatus::waterStep, Geometry::anyPositiveHeight);
    } else {
        scene.waterStream().visible = false;
        Geometry::empty(water);
    }

    Element &testLiquid = scene.liquid();
    if (testLiquid.height <= Geometry::emptyColumnHeight) {
        endTest(EndTest::RightTubeEmpty);
        return;
    }
    // The coefficient follows the selector's text, typed or picked, at every tick.
    if (const std::optional<int> found = Liquids::indexOf(m_state.selectorText, m_names))
        invocation.step = Apparatus::waterStep / Liquids::catalogue[*found].k;
    Geometry::lower(testLiquid, invocation.step); // the last partial step stops at the floor
    scene.liquidStream().visible = true;
    invocation.next = Invocation::Next::Pump;
}

// Ends the innermost invocation once the water has run out. Otherwise it goes
// on: held until the next event when the tap was found closed, or with its
// next event processing when only the right tube is empty.
void Exercise::endTest(EndTest reason)
{
    Scene &scene = m_state.scene;
    if (scene.water().height <= Apparatus::waterEmptyLimit) {
        scene.waterStream().visible = false;
        scene.liquidStream().visible = false;
        m_invocations.pop_back();
        // The outer invocation finishes its interrupted event processing first.
        if (!m_invocations.empty())
            m_invocations.back().next = Invocation::Next::Pump;
        return;
    }
    scene.liquidStream().visible = false;
    m_invocations.back().next =
        reason == EndTest::TapClosed ? Invocation::Next::Wait : Invocation::Next::Pump;
}
