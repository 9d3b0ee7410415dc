// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/Exercise.h"

// What a student does with one click or menu item: the scenario driver's
// keyword, which the window's control names in its "click" property
// (ui/MainWindow.ui), and the handler both call. A control that is disabled
// takes no click.
struct Click {
    const char *keyword;
    void (Exercise::*handler)();
    bool (*enabled)(const ExerciseState &) = [](const ExerciseState &) { return true; };
};

namespace Clicks {

inline constexpr Click all[] = {
    {"fill left", &Exercise::fillWater},
    {"fill right", &Exercise::fillLiquid},
    {"drain left", &Exercise::drainWater},
    {"drain right", &Exercise::drainLiquid},
    {"open", &Exercise::openTap, [](const ExerciseState &s) { return !s.tapOpen; }},
    {"close", &Exercise::closeTap, [](const ExerciseState &s) { return s.tapOpen; }},
    {"clear", &Exercise::clearResults},
    {"reverse", &Exercise::reverseScale},
};

} // namespace Clicks
