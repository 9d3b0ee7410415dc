// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/Scene.h"

#include <QtGlobal>
#include <algorithm>

Scene::Scene() : m_elements(designedScene())
{
    m_voda1 = indexOf(u"voda1");
    m_voda2 = indexOf(u"voda2");
    m_strui1 = indexOf(u"strui1");
    m_strui2 = indexOf(u"strui2");
    m_strui3 = indexOf(u"strui3");
    for (int mark = 0; mark < scaleMarks; ++mark) {
        m_label1[mark] = indexOf(u"Label1", mark);
        m_label2[mark] = indexOf(u"Label2", mark);
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
