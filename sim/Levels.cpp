// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level buttons: "Больше" pours liquid into a tube, "Меньше" lets it out
// into the receiving vessel.
#include "sim/Exercise.h"

#include "scene/Geometry.h"
#include "sim/Apparatus.h"

void Exercise::fillWater()
{
    fill(m_state.scene.water());
    emit changed();
}

void Exercise::fillLiquid()
{
    fill(m_state.scene.liquid());
    emit changed();
}

void Exercise::drainWater()
{
    drain(m_state.scene.water(), m_state.scene.waterStream());
    emit changed();
}

void Exercise::drainLiquid()
{
    drain(m_state.scene.liquid(), m_state.scene.liquidStream());
    emit changed();
}

// With the tap open a fill starts the flow again, nested in a running one.
void Exercise::fill(Element &column)
{
    if (column.height >= Apparatus::fillLimit) {
        beep(Refusal::TubeFull);
        return;
    }
    Geometry::raise(column, Apparatus::fillStep);
    if (m_state.tapOpen)
        runFlow();
}

// Draining leaves this tube's stream hidden, even one the flow had shown, and
// the vessel's liquid shown.
void Exercise::drain(Element &column, Element &stream)
{
    if (column.height <= Geometry::emptyColumnHeight) {
        beep(Refusal::TubeEmpty);
        return;
    }
    Element &collected = m_state.scene.collected();
    collected.visible = true;
    Geometry::lower(column, Apparatus::drainStep); // a short column stops at its floor
    if (collected.height < Apparatus::collectedDrainLimit)
        Geometry::raise(collected, Apparatus::collectedStep);
    stream.visible = false;
}
