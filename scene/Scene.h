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
    Element &voda1() { return m_elements[m_voda1]; }
    Element &voda2() { return m_elements[m_voda2]; }
    Element &strui1() { return m_elements[m_strui1]; }
    Element &strui2() { return m_elements[m_strui2]; }
    Element &strui3() { return m_elements[m_strui3]; }
    const Element &voda1() const { return m_elements[m_voda1]; }
    const Element &voda2() const { return m_elements[m_voda2]; }
    const Element &strui1() const { return m_elements[m_strui1]; }
    const Element &strui2() const { return m_elements[m_strui2]; }
    const Element &strui3() const { return m_elements[m_strui3]; }

    // The scale numbers: Label1 beside the left tube, Label2 beside the right.
    Element &Label1(int mark) { return m_elements[m_label1[mark]]; }
    Element &Label2(int mark) { return m_elements[m_label2[mark]]; }
    const Element &Label1(int mark) const { return m_elements[m_label1[mark]]; }
    const Element &Label2(int mark) const { return m_elements[m_label2[mark]]; }

private:
    std::size_t indexOf(QStringView name, int index = -1) const;

    std::vector<Element> m_elements;
    std::size_t m_voda1, m_voda2, m_strui1, m_strui2, m_strui3;
    std::array<std::size_t, scaleMarks> m_label1, m_label2;
};

// The designed elements in drawing order.
std::vector<Element> designedScene();
