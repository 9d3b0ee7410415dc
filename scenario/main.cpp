// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-scenario [SCRIPT]: plays a script of user actions (from the file
// SCRIPT, or from standard input) against the core with a simulated clock and
// prints the state as one line of JSON for every `dump`.
#include "scenario/ScriptedHost.h"
#include "sim/Exercise.h"

#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: talven-scenario [SCRIPT]\n");
        return 2;
    }
    QFile input;
    const bool opened = argc == 2 ? (input.setFileName(QString::fromLocal8Bit(argv[1])),
                                     input.open(QIODevice::ReadOnly))
                                  : input.open(stdin, QIODevice::ReadOnly);
    if (!opened) {
        std::fprintf(stderr, "talven-scenario: cannot read %s\n", argc == 2 ? argv[1] : "stdin");
        return 2;
    }
    ScriptedHost host(parseScript(QString::fromUtf8(input.readAll())), [](const QByteArray &line) {
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    });
    // Readings and results in the exercise's own notation: decimal comma.
    Exercise form(host, QLocale(QLocale::Russian, QLocale::Russia));
    form.load();
    try {
        host.play(form);
    } catch (const ScriptError &error) {
        std::fflush(stdout);
        std::fprintf(stderr, "talven-scenario: %s\n", error.what());
        return dynamic_cast<const UnmetExpectation *>(&error) ? 1 : 2;
    }
    return 0;
}
