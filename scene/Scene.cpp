// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/Scene.h"

#include <QtGlobal>

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
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        if (m_elements[i].name == name && m_elements[i].index == index)
            return i;
    }
    qFatal("The apparatus has no element %s(%d)", qPrintable(name.toString()), index);
}
