// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Element.h"

#include <QStringView>
#include <array>
#include <vector>

// The apparatus drawn on the left of the main window: every element with its
// designed values, held in drawing order (back to front). The element values
// are the simulation's state; the handlers move the liquid by writing them.
class Scene
{
public:
    static constexpr int scaleMarks = 6; // scale numbers 0..5 beside each tube
    // The main window's client area, which the scene fills.
    static constexpr float width = 7965, height = 6210; // twips

    Scene(); // the designed start state

    const std::vector<Element> &elements() const { return m_elements; }

    // The moving elements.
    Element &water() { return m_elements[m_water]; }
    Element &liquid() { return m_elements[m_liquid]; }
    Element &waterStream() { return m_elements[m_waterStream]; }
    Element &liquidStream() { return m_elements[m_liquidStream]; }
    Element &collected() { return m_elements[m_collected]; }
    const Element &water() const { return m_elements[m_water]; }
    const Element &liquid() const { return m_elements[m_liquid]; }
    const Element &waterStream() const { return m_elements[m_waterStream]; }
    const Element &liquidStream() const { return m_elements[m_liquidStream]; }
    const Element &collected() const { return m_elements[m_collected]; }

    // The scale numbers: Label1 beside the left tube, Label2 beside the right.
    Element &leftNumber(int mark) { return m_elements[m_leftNumbers[mark]]; }
    Element &rightNumber(int mark) { return m_elements[m_rightNumbers[mark]]; }
    const Element &leftNumber(int mark) const { return m_elements[m_leftNumbers[mark]]; }
    const Element &rightNumber(int mark) const { return m_elements[m_rightNumbers[mark]]; }

private:
    std::size_t indexOf(QStringView name, int index = -1) const;

    std::vector<Element> m_elements;
    std::size_t m_water, m_liquid, m_waterStream, m_liquidStream, m_collected;
    std::array<std::size_t, scaleMarks> m_leftNumbers, m_rightNumbers;
};

// The designed elements in drawing order.
std::vector<Element> designedScene();
