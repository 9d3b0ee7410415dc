// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/Scene.h"

#include <QtGlobal>
#include <algorithm>

Scene::Scene() : m_elements(designedScene())
{
    m_water = indexOf(u"voda1");
    m_liquid = indexOf(u"voda2");
    m_waterStream = indexOf(u"strui1");
    m_liquidStream = indexOf(u"strui2");
    m_collected = indexOf(u"strui3");
    for (int mark = 0; mark < scaleMarks; ++mark) {
        m_leftNumbers[mark] = indexOf(u"Label1", mark);
        m_rightNumbers[mark] = indexOf(u"Label2", mark);
    }
}

std::size_t Scene::indexOf(QStringView name, int index) const
{
    const auto found = std::find_if(m_elements.cbegin(), m_elements.cend(), [&](const Element &e) {
        return e.name == name && e.index == index;
    });
    if (found != m_elements.cend())
        return std::size_t(found - m_elements.cbegin());
    qFatal("The apparatus has no element %s(%d)", qPrintable(name.toString()), index);
}
