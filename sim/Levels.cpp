// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level buttons: "Больше" pours liquid into a tube, "Меньше" lets it out
// into the receiving vessel.
#include "sim/Form1.h"

#include "scene/Geometry.h"
#include "sim/Apparatus.h"

void Form1::Command2_Click()
{
    fill(m_state.scene.voda1());
    emit changed();
}

void Form1::Command4_Click()
{
    fill(m_state.scene.voda2());
    emit changed();
}

void Form1::Command9_Click()
{
    drain(m_state.scene.voda1(), m_state.scene.strui1());
    emit changed();
}

void Form1::Command10_Click()
{
    drain(m_state.scene.voda2(), m_state.scene.strui2());
    emit changed();
}

// With the tap open a fill starts the flow again, nested in a running one.
void Form1::fill(Element &column)
{
    if (column.height >= Apparatus::fillLimit) {
        beep(Refusal::TubeFull);
        return;
    }
    Geometry::raise(column, Apparatus::fillStep);
    if (!m_state.Command1Enabled)
        utekau();
}

// Draining leaves this tube's stream hidden, even one the flow had shown, and
// the vessel's liquid shown.
void Form1::drain(Element &column, Element &stream)
{
    if (column.height <= Geometry::emptyColumnHeight) {
        beep(Refusal::TubeEmpty);
        return;
    }
    Element &strui3 = m_state.scene.strui3();
    strui3.visible = true;
    Geometry::lower(column, Apparatus::drainStep); // a short column stops at its floor
    if (strui3.height < Apparatus::collectedDrainLimit)
        Geometry::raise(strui3, Apparatus::collectedStep);
    stream.visible = false;
}
