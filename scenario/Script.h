// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <vector>

// One line of a scenario script: a user action, a tick, or a dump.
struct Action {
    enum class Kind {
        Pick,       // pick NAME: choose NAME from the selector's list
        Type,       // type TEXT: replace the selector's text, no handler
        FillLeft,   // fill left: Command2
        FillRight,  // fill right: Command4
        DrainLeft,  // drain left: Command9
        DrainRight, // drain right: Command10
        Open,       // open: Command1
        Close,      // close: Command3
        Lo,         // lo TEXT: type the reading l0 key by key
        Ll,         // ll TEXT: type the reading l' key by key
        Compute,    // compute: Command5
        Clear,      // clear: Command6
        Reverse,    // reverse: menu "Реверс шкалы"
        Tick,       // tick [N]: N tick waits elapse
        Dump,       // dump: print the state
        Expect,     // expect PATH JSON: a value of the state, as dump would print it
        Unknown,    // anything else: stops the driver when reached
    };

    Kind kind = Kind::Unknown;
    QString argument; // Pick, Type, Lo, Ll, Expect: the rest of the line after one blank
    long ticks = 0;   // Tick
    int line = 0;     // 1-based line number in the script
    QString text;     // the line as written
};

// The actions of a script in order; blank lines and lines starting with '#'
// are skipped, unknown lines kept as Kind::Unknown.
std::vector<Action> parseScript(const QString &script);
