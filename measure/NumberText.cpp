// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measure/NumberText.h"

#include <cmath>
#include <vector>

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

namespace {
// Results below 10^12 have at most 15 significant digits, so a result read
// back as a double and scaled by 1000 rounds to its exact count of thousandths.
constexpr double exactLimit = 1e12;

// The mean of whole thousandths, floored, without a rounding error: a sum of
// 100,000 items of almost 10^15 thousandths each needs more than 64 bits.
double exactMean(const std::vector<double> &values)
{
    __int128 sum = 0;
    for (double value : values)
        sum += std::llround(value * thousand);
    const auto count = __int128(values.size());
    __int128 floored = sum / count;
    if (sum % count != 0 && sum < 0)
        --floored;
    return double(floored) / thousand;
}
} // namespace

std::optional<double> NumberText::meanOf(const QStringList &items, const QLocale &locale)
{
    if (items.isEmpty())
        return std::nullopt;
    std::vector<double> values;
    values.reserve(std::size_t(items.size()));
    bool exact = true;
    for (const QString &item : items) {
        values.push_back(toNumber(item, locale).value_or(0));
        exact = exact && std::fabs(values.back()) < exactLimit;
    }
    if (exact)
        return exactMean(values);
    double sum = 0;
    for (double value : values)
        sum += value;
    const double mean = truncateToThousandths(sum / double(values.size()));
    if (!std::isfinite(mean))
        return std::nullopt;
    return mean;
}
