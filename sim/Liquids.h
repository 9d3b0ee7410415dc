// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Colour.h"

#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// One test liquid of the catalogue. Its catalogue index selects its results
// list and is the value of `zhidkost` while it is selected.
struct Liquid {
    QStringView name;       // exactly as shown in the selector
    double k;               // flow coefficient: the column falls waterStep / k twips per tick
    Colour columnColour;    // testLiquid and liquidStream, fill and border
    Colour collectedColour; // collected, fill and border
};

namespace Liquids {

// clang-format off
inline constexpr std::array<Liquid, 7> catalogue = {{
    //  name                 k     column                    collected
    {u"Ксилол",          0.6,  Colours::paleBlue,   Colours::paleBlue},
    {u"Ацетон",          0.3,  Colours::paleBlue,   Colours::paleBlue},
    {u"Спирт этиловый",  1.22, Colours::paleBlue,   Colours::paleBlue},
    {u"Сыворотка",       1.2,  Colours::darkYellow, Colours::olive},
    {u"Плазма",          2.4,  Colours::darkYellow, Colours::olive},
    {u"Кровь (жен.)",    3.9,  Colours::red,        Colours::darkRed},
    // The same k as ethanol: male blood drains at ethanol's speed.
    {u"Кровь (муж.)",    1.22, Colours::red,        Colours::darkRed},
}};
// clang-format on

inline constexpr int count = int(catalogue.size());

// The catalogue index of the liquid named exactly `text` (whole text,
// case-sensitive, first match in catalogue order).
std::optional<int> indexOf(QStringView text);

// The names in the selector's order: alphabetical.
QStringList selectorOrder();

} // namespace Liquids
