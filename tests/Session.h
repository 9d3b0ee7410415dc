// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scenario/Script.h"
#include "scenario/ScriptedHost.h"
#include "sim/Exercise.h"

// A fresh main window that has played `script` to its end on the scripted
// host, readings and results with the decimal comma.
struct Session {
    explicit Session(const QString &script,
                     const QLocale &locale = QLocale(QLocale::Russian, QLocale::Russia))
        : host(parseScript(script)), form(host, locale)
    {
        form.load();
        host.play(form);
    }

    const ExerciseState &state() const { return form.state(); }
    const Scene &scene() const { return form.state().scene; }

    ScriptedHost host;
    Exercise form;
};
