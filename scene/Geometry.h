// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Element.h"

// Where the liquids stand when empty, and the one place that moves them.
// Liquid columns keep their bottom edge: a change of Height by +d always comes
// with a change of Top by -d.
namespace Geometry {

// An empty column is a one-pixel film on the floor of its tube, level with mark 0.
inline constexpr float emptyColumnHeight = 15; // twips
inline constexpr float emptyColumnTop = 3840;  // twips: bottom edge 3855
// The scales: mark 0 lies level with an empty column's top, marks 600 twips apart.
inline constexpr float markZeroY = emptyColumnTop; // twips
inline constexpr float division = 600;             // twips from one mark to the next

// The level of a column's surface in scale divisions above mark 0.
inline double divisionsAboveZero(const Element &column)
{
    return (double(markZeroY) - double(column.top)) / double(division);
}

// The receiving vessel's liquid (collected) at start and after a change of liquid.
inline constexpr float collectedStartHeight = 105; // twips
inline constexpr float collectedStartTop = 6000;   // twips: bottom edge 6105

// Raises an element by d twips keeping its bottom edge. Computed in double
// precision and stored in single: for the whole-twip steps this is exactly
// single-precision arithmetic, and the flow's fractional steps need it.
inline void raise(Element &e, double d)
{
    e.height = float(double(e.height) + d);
    e.top = float(double(e.top) - d);
}

// Empties a liquid column to its film on the floor of the tube.
inline void empty(Element &column)
{
    column.height = emptyColumnHeight;
    column.top = emptyColumnTop;
}

// The lowest a column may end at that still lets it end above its film: a
// whole step is taken as long as the height stays positive.
inline constexpr float anyPositiveHeight = 0; // twips

// Lowers a liquid column by d twips keeping its bottom edge. A column that
// would end shorter than `lowest` stops at the floor of its tube instead.
inline void lower(Element &column, double d, float lowest = emptyColumnHeight)
{
    const auto height = float(double(column.height) - d);
    if (height < lowest) {
        empty(column);
        return;
    }
    column.height = height;
    column.top = float(double(column.top) + d);
}

// Puts the receiving vessel's liquid back to its start level.
inline void resetCollected(Element &collected)
{
    collected.height = collectedStartHeight;
    collected.top = collectedStartTop;
}

} // namespace Geometry
