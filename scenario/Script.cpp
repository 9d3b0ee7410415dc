// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario/Script.h"

#include "sim/Clicks.h"

#include <QStringList>
#include <algorithm>

namespace {

struct Keyword {
    const char *word;
    Action::Kind kind;
};

// Lines that are the keyword alone, besides the clicks.
constexpr Keyword plain[] = {
    {"compute", Action::Kind::Compute},
    {"dump", Action::Kind::Dump},
    {"tick", Action::Kind::Tick},
};

// Lines whose argument is the rest of the line after one blank.
constexpr Keyword withText[] = {
    {"pick", Action::Kind::Pick}, {"type", Action::Kind::Type},     {"lo", Action::Kind::Lo},
    {"ll", Action::Kind::Ll},     {"expect", Action::Kind::Expect},
};

constexpr long maxTicks = 1'000'000'000;

Action parseLine(const QString &line)
{
    Action action;
    action.text = line;
    for (const Click &click : Clicks::all) {
        if (line == QLatin1String(click.keyword)) {
            action.kind = Action::Kind::Click;
            action.click = &click;
            return action;
        }
    }
    for (const Keyword &k : plain) {
        if (line == QLatin1String(k.word)) {
            action.kind = k.kind;
            action.ticks = 1;
            return action;
        }
    }
    for (const Keyword &k : withText) {
        const QLatin1String word(k.word);
        if (line == word || line.startsWith(word + QLatin1Char(' '))) {
            action.kind = k.kind;
            action.argument = line.mid(word.size() + 1);
            return action;
        }
    }
    if (line.startsWith(QLatin1String("tick "))) {
        bool ok = false;
        const QString count = line.mid(5);
        const long ticks = count.toLong(&ok);
        // Digits only: no sign, no blanks, at least one tick.
        const bool digits =
            !count.isEmpty() &&
            std::all_of(count.begin(), count.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (ok && digits && ticks >= 1 && ticks <= maxTicks) {
            action.kind = Action::Kind::Tick;
            action.ticks = ticks;
        }
    }
    return action;
}

} // namespace

std::vector<Action> parseScript(const QString &script)
{
    std::vector<Action> actions;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1); // a script saved with Windows line ends
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Action action = parseLine(line);
        action.line = i + 1;
        actions.push_back(std::move(action));
    }
    return actions;
}
