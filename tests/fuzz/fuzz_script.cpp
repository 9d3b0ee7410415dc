// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: the scenario driver's script parser, and playing what it
// parsed while the script's ticks stay few.
#include "scenario/ScriptedHost.h"
#include "sim/Exercise.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr long tickBudget = 20'000;
    std::vector<Action> script =
        parseScript(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    long ticks = 0;
    for (const Action &action : script)
        ticks += action.ticks;
    if (ticks > tickBudget)
        return 0;
    ScriptedHost host(std::move(script), [](const QByteArray &) {});
    Exercise form(host, QLocale(QLocale::Russian, QLocale::Russia));
    form.load();
    try {
        host.play(form);
    } catch (const ScriptError &) {
    }
    return 0;
}
