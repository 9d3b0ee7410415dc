// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the test liquid.
#include "sim/Form1.h"

#include "measure/NumberText.h"
#include "scene/Geometry.h"

namespace {
void setColours(Element &e, Colour colour)
{
    e.fill = colour;
    e.border = colour;
}
} // namespace

void Form1::Combo1_Click()
{
    Scene &scene = m_state.scene;
    Element &strui3 = scene.strui3();
    Geometry::resetCollected(strui3);
    strui3.visible = false;
    m_state.sred1Caption = QStringLiteral("0");
    m_state.Label18Caption = m_state.Combo1Text;
    Geometry::empty(scene.voda2());

    // A typed name that matches no liquid keeps the previous liquid.
    if (const std::optional<int> found = Liquids::indexOf(m_state.Combo1Text)) {
        const Liquid &liquid = Liquids::catalogue[*found];
        setColours(scene.voda2(), liquid.columnColour);
        setColours(scene.strui2(), liquid.columnColour);
        setColours(strui3, liquid.collectedColour);
        m_state.zhidkost = *found; // also switches the list shown
    }
    showMean();
    emit changed();
}

// sred1 shows the mean of the shown list; an empty list leaves it as it is.
void Form1::showMean()
{
    if (const std::optional<double> mean =
            NumberText::meanOf(m_state.List1[m_state.zhidkost], m_locale))
        m_state.sred1Caption = NumberText::fromNumber(*mean, m_locale);
}
