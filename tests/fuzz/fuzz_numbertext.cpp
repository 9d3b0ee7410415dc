// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: text to number and back, under a comma and a full-stop locale.
#include "measure/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale::c()}) {
        const std::optional<double> value = NumberText::toNumber(text, locale);
        if (!value)
            continue;
        if (!std::isfinite(*value))
            std::abort(); // a number is always finite
        const double truncated = NumberText::truncateToThousandths(*value);
        if (std::isfinite(truncated)) {
            const QString written = NumberText::fromNumber(truncated, locale);
            const std::optional<double> back = NumberText::toNumber(written, locale);
            if (!back || NumberText::fromNumber(*back, locale) != written)
                std::abort(); // a written result reads back as itself
        }
        (void)NumberText::meanOf({text, text}, locale);
    }
    return 0;
}
