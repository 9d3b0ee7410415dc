// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the test liquid.
#include "sim/Exercise.h"

#include "measure/NumberText.h"
#include "scene/Geometry.h"

namespace {
void setColours(Element &e, Colour colour)
{
    e.fill = colour;
    e.border = colour;
}
} // namespace

void Exercise::chooseLiquid()
{
    Scene &scene = m_state.scene;
    Element &collected = scene.collected();
    Geometry::resetCollected(collected);
    collected.visible = false;
    m_state.mean = QStringLiteral("0");
    m_state.heading = m_state.selectorText;
    Geometry::empty(scene.liquid());

    // A typed name that matches no liquid keeps the previous liquid.
    if (const std::optional<int> found = Liquids::indexOf(m_state.selectorText, m_names)) {
        const Liquid &liquid = Liquids::catalogue[*found];
        setColours(scene.liquid(), liquid.columnColour);
        setColours(scene.liquidStream(), liquid.columnColour);
        setColours(collected, liquid.collectedColour);
        m_state.liquid = *found; // also switches the list shown
    }
    showMean();
    emit changed();
}

// the mean shows the mean of the shown list; an empty list leaves it as it is.
void Exercise::showMean()
{
    if (const std::optional<double> mean =
            NumberText::meanOf(m_state.results[m_state.liquid], m_locale))
        m_state.mean = NumberText::fromNumber(*mean, m_locale);
}
