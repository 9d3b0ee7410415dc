// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QChar;
class QLocale;

// The arithmetic of the calculation frame: the relative viscosity l0 / l' of
// two typed readings, and the mean of a results list with it.
namespace Viscosity {

enum class Reading { water, liquid };

// A new result and the mean it gives the list, as the student reads them.
struct Result {
    QString item;
    QString mean;
};

// l0 / l' truncated to thousandths, with the mean of `list` once the result is
// appended; or the reading to correct when the two give no usable result.
struct Outcome {
    std::optional<Reading> toCorrect; // the reading that gave no usable result
    Result result;
};
Outcome compute(const QString &lo, const QString &ll, const QStringList &list,
                const QLocale &locale);

// A typed full stop or comma becomes the locale's decimal separator, so that
// typed readings always convert.
void toDecimalSeparator(QChar &key, const QLocale &locale);

} // namespace Viscosity
