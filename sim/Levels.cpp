// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level buttons: "Больше" pours liquid into a tube, "Меньше" lets it out
// into the receiving vessel.
#include "sim/Form1.h"

namespace {
constexpr float fillStep = 200;             // twips per press
constexpr float fillLimit = 3200;           // twips: no fill at or above
constexpr float drainStep = 100;            // twips per press
constexpr float collectedDrainLimit = 1305; // twips; the flow stops at 1185
} // namespace

void Form1::Command2_Click()
{
    fill(m_state.scene.voda1());
}

void Form1::Command4_Click()
{
    fill(m_state.scene.voda2());
}

void Form1::Command9_Click()
{
    drain(m_state.scene.voda1(), m_state.scene.strui1());
}

void Form1::Command10_Click()
{
    drain(m_state.scene.voda2(), m_state.scene.strui2());
}

// With the tap open a fill starts the flow again, nested in a running one.
void Form1::fill(Element &column)
{
    if (column.height >= fillLimit) {
        beep();
        return;
    }
    column.grow(fillStep);
    if (!m_state.Command1Enabled)
        utekau();
}

// The stream shows only while the handler runs; no event is processed meanwhile.
void Form1::drain(Element &column, Element &stream)
{
    if (column.height <= Geometry::emptyColumnHeight) {
        beep();
        return;
    }
    Element &strui3 = m_state.scene.strui3();
    stream.visible = true;
    strui3.visible = true;
    if (column.height - drainStep < Geometry::emptyColumnHeight)
        Geometry::empty(column); // a column shorter than one press stops at its floor
    else
        column.grow(-drainStep);
    if (strui3.height < collectedDrainLimit)
        strui3.grow(Geometry::collectedStep);
    stream.visible = false;
}
