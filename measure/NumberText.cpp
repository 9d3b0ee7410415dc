// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measure/NumberText.h"

#include <cmath>

namespace {
constexpr int significantDigits = 15;
constexpr double thousand = 1000;
} // namespace

QLocale NumberText::withoutGrouping(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

std::optional<double> NumberText::toNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = withoutGrouping(locale).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberText::fromNumber(double value, const QLocale &locale)
{
    if (value == 0)
        value = 0; // no "-0"
    return withoutGrouping(locale).toString(value, 'G', significantDigits);
}

double NumberText::truncateToThousandths(double value)
{
    const double scaled = value * thousand;
    if (!std::isfinite(scaled))
        return scaled;
    // QString's own conversions ignore the process locale.
    const double decimal = QString::number(scaled, 'g', significantDigits).toDouble();
    return std::floor(decimal) / thousand;
}

std::optional<double> NumberText::meanOf(const QStringList &items, const QLocale &locale)
{
    if (items.isEmpty())
        return std::nullopt;
    double sum = 0;
    for (const QString &item : items)
        sum += toNumber(item, locale).value_or(0);
    const double mean = truncateToThousandths(sum / items.size());
    if (!std::isfinite(mean))
        return std::nullopt;
    return mean;
}
