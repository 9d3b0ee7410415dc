// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rates and limits of the viscometer: how fast the liquids move and where
// the handlers stop them.
namespace Apparatus {

inline constexpr double tickPeriod = 1.0 / 7.0; // s between two steps of the flow
inline constexpr double waterStep = 30; // twips per tick; the test liquid's is waterStep / k
// The water runs while its column is higher than this. A whole step is taken
// even from 35 twips, so water can end at 5 twips; the next tick empties it.
inline constexpr float waterEmptyLimit = 30; // twips

inline constexpr float fillStep = 200;   // twips per press of "Больше"
inline constexpr float fillLimit = 3200; // twips: no fill at or above
inline constexpr float drainStep = 100;  // twips per press of "Меньше"

// The receiving vessel fills by one step per tick of the flow and per drain;
// the flow stops filling it before the drains do.
inline constexpr float collectedStep = 2;          // twips
inline constexpr float collectedFlowLimit = 1185;  // twips of collected
inline constexpr float collectedDrainLimit = 1305; // twips of collected

} // namespace Apparatus
