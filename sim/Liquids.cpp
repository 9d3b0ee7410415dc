// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/Liquids.h"

#include <algorithm>

std::optional<int> Liquids::indexOf(QStringView text)
{
    for (int i = 0; i < count; ++i) {
        if (text == catalogue[i].name)
            return i;
    }
    return std::nullopt;
}

QStringList Liquids::selectorOrder()
{
    QStringList names;
    for (const Liquid &liquid : catalogue)
        names << liquid.name.toString();
    // Code-point order is the alphabetical order for these names (no "ё").
    std::sort(names.begin(), names.end());
    return names;
}
