// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation frame: the readings l0 and l', "Подсчитать вязкость" and
// "Очистить".
#include "sim/Exercise.h"

#include "measure/NumberText.h"

void Exercise::filterReadingKey(QChar &key)
{
    Viscosity::toDecimalSeparator(key, m_locale);
}

// Unusable readings are refused with a beep; nothing is appended and the mean
// keeps its text.
std::optional<Exercise::Reading> Exercise::computeViscosity()
{
    QStringList &list = m_state.results[m_state.liquid];
    const Viscosity::Outcome outcome =
        Viscosity::compute(m_state.waterReading, m_state.liquidReading, list, m_locale);
    if (outcome.toCorrect == Reading::liquid) {
        beep(Refusal::ReadingL1);
    } else if (outcome.toCorrect) {
        const bool number = NumberText::toNumber(m_state.waterReading, m_locale).has_value();
        beep(number ? Refusal::OutOfRange : Refusal::ReadingL0);
    } else {
        list.append(outcome.result.item);
        m_state.mean = outcome.result.mean;
    }
    emit changed();
    return outcome.toCorrect;
}

// An empty list's mean reads 0, as on a change of liquid.
void Exercise::clearResults()
{
    m_state.results[m_state.liquid].clear();
    m_state.mean = QStringLiteral("0");
    emit changed();
}
