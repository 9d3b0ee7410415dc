// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measure/Viscosity.h"

#include "measure/NumberText.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

// A reading of l0 = 0 is valid and gives 0; l' = 0 is not.
Viscosity::Outcome Viscosity::compute(const QString &lo, const QString &ll, const QStringList &list,
                                      const QLocale &locale)
{
    const std::optional<double> l0 = NumberText::toNumber(lo, locale);
    const std::optional<double> l1 = NumberText::toNumber(ll, locale);
    if (!l0)
        return {Reading::water, {}};
    if (!l1 || *l1 == 0)
        return {Reading::liquid, {}};

    const double result = NumberText::truncateToThousandths(*l0 / *l1);
    const QString item = NumberText::fromNumber(result, locale);
    const std::optional<double> mean = NumberText::meanOf(list + QStringList{item}, locale);
    // A quotient or mean out of range has no single culprit: the first box is
    // blamed, so that the student checks both readings in their order.
    if (!std::isfinite(result) || !NumberText::toNumber(item, locale) || !mean)
        return {Reading::water, {}};
    return {std::nullopt, {item, NumberText::fromNumber(*mean, locale)}};
}

void Viscosity::toDecimalSeparator(QChar &key, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    if ((key == u'.' || key == u',') && separator.size() == 1)
        key = separator.front();
}
