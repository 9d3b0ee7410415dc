// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

struct Click;

// One line of a scenario script: a user action, a tick, or a dump.
struct Action {
    enum class Kind {
        Click,   // a keyword of Clicks::all: the click it names
        Pick,    // pick NAME: choose NAME from the selector's list
        Type,    // type TEXT: replace the selector's text, no handler
        Lo,      // lo TEXT: type the reading l0 key by key
        Ll,      // ll TEXT: type the reading l' key by key
        Compute, // compute: "Подсчитать вязкость"
        Tick,    // tick [N]: N tick waits elapse
        Dump,    // dump: print the state
        Expect,  // expect PATH JSON: a value of the state, as dump would print it
        Unknown, // anything else: stops the driver when reached
    };

    Kind kind = Kind::Unknown;
    const Click *click = nullptr; // Click
    QString argument; // Pick, Type, Lo, Ll, Expect: the rest of the line after one blank
    long ticks = 0;   // Tick
    int line = 0;     // 1-based line number in the script
    QString text;     // the line as written
};

// The actions of a script in order; blank lines and lines starting with '#'
// are skipped, unknown lines kept as Kind::Unknown.
std::vector<Action> parseScript(const QString &script);
