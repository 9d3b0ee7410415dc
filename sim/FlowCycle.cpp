// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tap and the flow cycle `utekau`.
//
// The cycle is re-entered from its own event processing: reopening the tap
// while a cycle is held, or a fill while it flows, starts an invocation that
// runs to its end before the outer one resumes. The nesting is kept as a stack
// of invocation records, not as calls: the first utekau() becomes the driver
// and always runs the innermost invocation's next step; a utekau() from a
// handler inside the driver's event processing only pushes its record. A
// million nested invocations therefore cost a few megabytes of heap and no
// stack.
#include "sim/Form1.h"

#include "scene/Geometry.h"
#include "sim/Apparatus.h"
#include "sim/FlowHost.h"

void Form1::Command1_Click()
{
    m_state.Command1Enabled = false;
    m_state.Command3Enabled = true;
    utekau();
    emit changed();
}

void Form1::Command3_Click()
{
    m_state.Command1Enabled = true;
    m_state.Command3Enabled = false;
    m_state.scene.strui1().visible = false;
    emit changed();
}

void Form1::utekau()
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
void Form1::startFlow()
{
    Scene &scene = m_state.scene;
    const bool leftEmpty = scene.voda1().height <= Geometry::emptyColumnHeight;
    const bool rightEmpty = scene.voda2().height <= Geometry::emptyColumnHeight;
    if (leftEmpty && rightEmpty) {
        beep(Refusal::NothingToFlow);
        return;
    }
    scene.strui1().visible = true;
    scene.strui2().visible = true;
    scene.strui3().visible = true;
    if (leftEmpty)
        scene.strui1().visible = false;
    else if (rightEmpty)
        scene.strui2().visible = false;
}

void Form1::driveFlow()
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
void Form1::flowPass()
{
    Invocation &invocation = m_invocations.back();
    invocation.tickStart = m_host.now();
    if (!m_state.Command3Enabled) {
        endTest(EndTest::TapClosed);
        return;
    }
    m_host.sleepUntil(invocation.tickStart + Apparatus::tickPeriod);
    if (m_windowClosed)
        return;

    Scene &scene = m_state.scene;
    Element &strui3 = scene.strui3();
    if (strui3.height < Apparatus::collectedFlowLimit)
        Geometry::raise(strui3, Apparatus::collectedStep);

    Element &voda1 = scene.voda1();
    if (voda1.height > Apparatus::waterEmptyLimit) {
        // A whole step even from 35 twips: the water may end at 5.
        Geometry::lower(voda1, Apparatus::waterStep, Geometry::anyPositiveHeight);
    } else {
        scene.strui1().visible = false;
        Geometry::empty(voda1);
    }

    Element &voda2 = scene.voda2();
    if (voda2.height <= Geometry::emptyColumnHeight) {
        endTest(EndTest::RightTubeEmpty);
        return;
    }
    // The coefficient follows the selector's text, typed or picked, at every tick.
    if (const std::optional<int> found = Liquids::indexOf(m_state.Combo1Text))
        invocation.step = Apparatus::waterStep / Liquids::catalogue[*found].k;
    Geometry::lower(voda2, invocation.step); // the last partial step stops at the floor
    scene.strui2().visible = true;
    invocation.next = Invocation::Next::Pump;
}

// Ends the innermost invocation once the water has run out. Otherwise it goes
// on: held until the next event when the tap was found closed, or with its
// next event processing when only the right tube is empty.
void Form1::endTest(EndTest reason)
{
    Scene &scene = m_state.scene;
    if (scene.voda1().height <= Apparatus::waterEmptyLimit) {
        scene.strui1().visible = false;
        scene.strui2().visible = false;
        m_invocations.pop_back();
        // The outer invocation finishes its interrupted event processing first.
        if (!m_invocations.empty())
            m_invocations.back().next = Invocation::Next::Pump;
        return;
    }
    scene.strui2().visible = false;
    m_invocations.back().next =
        reason == EndTest::TapClosed ? Invocation::Next::Wait : Invocation::Next::Pump;
}
