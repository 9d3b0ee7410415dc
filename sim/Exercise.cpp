// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's state, its load handler and the beep.
#include "sim/Exercise.h"

#include "measure/NumberText.h"
#include "sim/FlowHost.h"

Exercise::Exercise(FlowHost &host, const QLocale &locale)
    : m_host(host), m_locale(NumberText::withoutGrouping(locale))
{
    m_state.selectorText = m_names[Liquids::initial];
}

void Exercise::setLiquidNames(const Liquids::Names &names)
{
    m_names = names;
    m_state.selectorText = m_names[m_state.liquid];
}

void Exercise::load()
{
    m_state.heading = m_state.selectorText;
    emit changed();
}

void Exercise::beep(Refusal why)
{
    ++m_state.beeps;
    m_host.beep();
    emit refused(why);
}
