// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/Form1.h"

#include "measure/NumberText.h"

Form1::Form1(FlowHost &host, const QLocale &locale)
    : m_host(host), m_locale(NumberText::withoutGrouping(locale))
{}

void Form1::Form_Load()
{
    m_state.Label18Caption = m_state.Combo1Text;
}

void Form1::beep()
{
    ++m_state.beeps;
    m_host.beep();
}
