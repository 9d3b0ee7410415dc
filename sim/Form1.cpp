// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's state, its load handler and the beep.
#include "sim/Form1.h"

#include "measure/NumberText.h"
#include "sim/FlowHost.h"

Form1::Form1(FlowHost &host, const QLocale &locale)
    : m_host(host), m_locale(NumberText::withoutGrouping(locale))
{}

void Form1::Form_Load()
{
    m_state.Label18Caption = m_state.Combo1Text;
    emit changed();
}

void Form1::beep(Refusal why)
{
    ++m_state.beeps;
    m_host.beep();
    emit refused(why);
}
