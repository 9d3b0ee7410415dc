// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

// One row of the performance table: a figure, its baseline measured in the
// same run, their ratio, and the target it should meet.
inline void benchRow(const char *figure, const char *unit, double value, const char *baseline,
                     double base, const char *target)
{
    std::printf("| %-34s | %10.3f %-3s | %-30s %10.3f | %7.3f | %-10s |\n", figure, value, unit,
                baseline, base, base != 0 ? value / base : 0.0, target);
    std::fflush(stdout);
}

void benchStartup(const char *probeDirectory); // startup to first paint, peak RSS
void benchPaint();                             // painting the whole scene
void benchFlow();                              // CPU and tick period of the flow
void benchNesting();                           // heap per nested flow invocation
