// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/Liquids.h"

#include <algorithm>

Liquids::Names Liquids::designedNames()
{
    Names names;
    for (int i = 0; i < count; ++i)
        names[i] = QString::fromUtf8(catalogue[i].name);
    return names;
}

std::optional<int> Liquids::indexOf(QStringView text, const Names &names)
{
    for (int i = 0; i < count; ++i) {
        if (text == names[i])
            return i;
    }
    return std::nullopt;
}

QStringList Liquids::selectorOrder(const Names &names)
{
    QStringList order(names.begin(), names.end());
    std::sort(order.begin(), order.end());
    return order;
}
