// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The readings l0 and l', the relative viscosity l0 / l' and the results lists.
#include "sim/Form1.h"

#include "measure/NumberText.h"

#include <cmath>

namespace {
// A typed full stop or comma becomes the locale's decimal separator, so that
// typed readings always convert.
void toDecimalSeparator(QChar &key, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if ((key == u'.' || key == u',') && separator.size() == 1)
        key = separator.front();
}
} // namespace

void Form1::lo_KeyPress(QChar &key)
{
    toDecimalSeparator(key, m_locale);
}

void Form1::ll_KeyPress(QChar &key)
{
    toDecimalSeparator(key, m_locale);
}

// Unusable readings are refused with a beep; nothing is appended and sred1
// keeps its text. A reading of l0 = 0 is valid and gives 0.
std::optional<Form1::Reading> Form1::Command5_Click()
{
    const std::optional<double> l0 = NumberText::toNumber(m_state.loText, m_locale);
    const std::optional<double> l1 = NumberText::toNumber(m_state.llText, m_locale);
    std::optional<Reading> refused;
    if (!l0)
        refused = Reading::lo;
    else if (!l1 || *l1 == 0)
        refused = Reading::ll;

    QStringList &list = m_state.List1[m_state.zhidkost];
    QString item;
    std::optional<double> mean;
    if (!refused) {
        const double result = NumberText::truncateToThousandths(*l0 / *l1);
        item = NumberText::fromNumber(result, m_locale);
        mean = NumberText::meanOf(list + QStringList{item}, m_locale);
        if (!std::isfinite(result) || !NumberText::toNumber(item, m_locale) || !mean)
            refused = Reading::lo;
    }
    if (refused) {
        beep();
        return refused;
    }
    list.append(item);
    m_state.sred1Caption = NumberText::fromNumber(*mean, m_locale);
    return std::nullopt;
}

// An empty list's mean reads 0, as on a change of liquid.
void Form1::Command6_Click()
{
    m_state.List1[m_state.zhidkost].clear();
    m_state.sred1Caption = QStringLiteral("0");
}
