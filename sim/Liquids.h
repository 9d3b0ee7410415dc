// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Colour.h"

#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// One test liquid of the catalogue. Its catalogue index selects its results
// list and is the value of `liquid` while it is selected; its id names it
// whatever the language, its name is the designed Russian one (UTF-8, and the
// source text of its translations).
struct Liquid {
    QLatin1StringView id;
    const char *name;
    double k;               // flow coefficient: the column falls waterStep / k twips per tick
    Colour columnColour;    // testLiquid and liquidStream, fill and border
    Colour collectedColour; // collected, fill and border
};

namespace Liquids {

// clang-format off
inline constexpr Liquid catalogue[] = {
    //  id                              name                                            k     column               collected
    {QLatin1StringView("xylene"),       QT_TRANSLATE_NOOP("Liquids", "Ксилол"),          0.6,  Colours::paleBlue,   Colours::paleBlue},
    {QLatin1StringView("acetone"),      QT_TRANSLATE_NOOP("Liquids", "Ацетон"),          0.3,  Colours::paleBlue,   Colours::paleBlue},
    {QLatin1StringView("ethanol"),      QT_TRANSLATE_NOOP("Liquids", "Спирт этиловый"),  1.22, Colours::paleBlue,   Colours::paleBlue},
    {QLatin1StringView("serum"),        QT_TRANSLATE_NOOP("Liquids", "Сыворотка"),       1.2,  Colours::darkYellow, Colours::olive},
    {QLatin1StringView("plasma"),       QT_TRANSLATE_NOOP("Liquids", "Плазма"),          2.4,  Colours::darkYellow, Colours::olive},
    {QLatin1StringView("female-blood"), QT_TRANSLATE_NOOP("Liquids", "Кровь (жен.)"),    3.9,  Colours::red,        Colours::darkRed},
    // The same k as ethanol: male blood drains at ethanol's speed.
    {QLatin1StringView("male-blood"),   QT_TRANSLATE_NOOP("Liquids", "Кровь (муж.)"),    1.22, Colours::red,        Colours::darkRed},
};
// clang-format on

inline constexpr int count = int(std::size(catalogue));
inline constexpr int initial = 0; // xylene: what the selector shows at start

// The names the selector shows, by catalogue index.
using Names = std::array<QString, count>;
Names designedNames();

// The catalogue index of the liquid named exactly `text` (whole text,
// case-sensitive, first match in catalogue order).
std::optional<int> indexOf(QStringView text, const Names &names);

// The names in the selector's order: by code point, which is alphabetical
// for names without "ё".
QStringList selectorOrder(const Names &names);

} // namespace Liquids
