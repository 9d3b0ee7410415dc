// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation frame: the readings l0 and l', "Подсчитать вязкость" and
// "Очистить".
#include "sim/Form1.h"

#include "measure/NumberText.h"

void Form1::lo_KeyPress(QChar &key)
{
    Viscosity::toDecimalSeparator(key, m_locale);
}

void Form1::ll_KeyPress(QChar &key)
{
    Viscosity::toDecimalSeparator(key, m_locale);
}

// Unusable readings are refused with a beep; nothing is appended and sred1
// keeps its text.
std::optional<Form1::Reading> Form1::Command5_Click()
{
    QStringList &list = m_state.List1[m_state.zhidkost];
    const Viscosity::Outcome outcome =
        Viscosity::compute(m_state.loText, m_state.llText, list, m_locale);
    if (outcome.toCorrect == Reading::ll) {
        beep(Refusal::ReadingL1);
    } else if (outcome.toCorrect) {
        const bool number = NumberText::toNumber(m_state.loText, m_locale).has_value();
        beep(number ? Refusal::OutOfRange : Refusal::ReadingL0);
    } else {
        list.append(outcome.result.item);
        m_state.sred1Caption = outcome.result.mean;
    }
    emit changed();
    return outcome.toCorrect;
}

// An empty list's mean reads 0, as on a change of liquid.
void Form1::Command6_Click()
{
    m_state.List1[m_state.zhidkost].clear();
    m_state.sred1Caption = QStringLiteral("0");
    emit changed();
}
