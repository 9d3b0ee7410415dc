// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Conversions between the numbers of the exercise and the texts the student
// reads and types, in a given locale, and the truncation to thousandths that
// results and means share.
namespace NumberText {

// `locale` set up to neither write nor accept digit grouping.
QLocale withoutGrouping(QLocale locale);

// The finite number `text` stands for, surrounding blanks allowed; nothing for
// an empty text, a text that is not a number, "inf", "nan", or a value out of
// the range of a double.
std::optional<double> toNumber(const QString &text, const QLocale &locale);

// The text form of a number: 15 significant digits, plain decimal below 10^15
// and exponent form from there on, the locale's decimal separator, no
// grouping, no trailing zeros, and "0" for a negative zero.
QString fromNumber(double value, const QLocale &locale);

// floor(value × 1000) / 1000, where value × 1000 is first rounded to 15
// significant digits, so that binary artefacts such as 2.01 × 1000 =
// 2009.9999999999998 do not cost a thousandth. Not finite when value × 1000
// is not.
double truncateToThousandths(double value);

// The mean of a results list, truncated to thousandths: items that are not
// numbers add nothing but still count. While every item lies below 10^12 in
// magnitude the mean is exact (n equal items have their own value as mean);
// beyond, it is the double sum's mean truncated. Nothing for an empty list or
// a mean that is not finite.
std::optional<double> meanOf(const QStringList &items, const QLocale &locale);

} // namespace NumberText
