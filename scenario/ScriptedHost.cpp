// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario/ScriptedHost.h"

#include "scenario/Dump.h"
#include "sim/Clicks.h"
#include "sim/Exercise.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Empties a reading box, then types `keys` into it one by one through its key filter.
void typeReading(Exercise &form, bool lo, const QString &keys)
{
    QString text;
    lo ? form.setWaterReading(text) : form.setLiquidReading(text);
    for (QChar key : keys) {
        form.filterReadingKey(key);
        text += key;
        lo ? form.setWaterReading(text) : form.setLiquidReading(text);
    }
}
// `expect PATH JSON`: PATH names a value of the dump, its keys and list
// indexes joined by dots (testLiquid.top, results.4.0); JSON is what it must be.
void checkExpectation(const Action &action, const Exercise &form)
{
    const qsizetype blank = action.argument.indexOf(u' ');
    const QString path = action.argument.left(blank);
    const QString wanted = blank < 0 ? QString() : action.argument.mid(blank + 1);
    QJsonValue value = QJsonDocument::fromJson(dumpState(form)).object();
    for (const QString &step : path.split(u'.')) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(step);
    }
    const QJsonArray parsed = QJsonDocument::fromJson('[' + wanted.toUtf8() + ']').array();
    if (parsed.size() == 1 && parsed.at(0) == value)
        return;
    const QByteArray found = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    throw UnmetExpectation(action.line, path, wanted,
                           QString::fromUtf8(found.mid(1, found.size() - 2)));
}
} // namespace

ScriptError::ScriptError(int line, const QString &message)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString()),
      line(line)
{}

UnknownLine::UnknownLine(int line, const QString &text)
    : ScriptError(line, QStringLiteral("unknown line: ") + text)
{}

UnmetExpectation::UnmetExpectation(int line, const QString &path, const QString &wanted,
                                   const QString &found)
    : ScriptError(line, QStringLiteral("expected %1 %2, found %3").arg(path, wanted, found))
{}

ScriptedHost::ScriptedHost(std::vector<Action> script, DumpSink sink)
    : m_script(std::move(script)), m_sink(std::move(sink))
{}

void ScriptedHost::play(Exercise &form)
{
    m_exercise = &form;
    if (m_script.empty())
        form.noteWindowClosed();
    while (m_next < m_script.size()) {
        if (atTick()) {
            observe(Moment::TopTick);
            skipTickLine(); // nothing runs at the top level
        } else {
            observe(Moment::Event);
            dispatchNext();
        }
    }
    observe(Moment::End);
}

bool ScriptedHost::atTick() const
{
    return m_next < m_script.size() && m_script[m_next].kind == Action::Kind::Tick;
}

// All the ticks left on this line at once: `tick 1000000` costs no more than `tick`.
void ScriptedHost::skipTickLine()
{
    m_ticksDone = 0;
    advance();
}

void ScriptedHost::consumeTick()
{
    if (++m_ticksDone >= m_script[m_next].ticks) {
        m_ticksDone = 0;
        advance();
    }
}

void ScriptedHost::processEvents()
{
    dispatchUntilTick();
}

void ScriptedHost::waitForEvents()
{
    while (atTick()) {
        observe(Moment::HeldTick);
        skipTickLine(); // time passes, nothing happens
    }
    dispatchUntilTick();
}

void ScriptedHost::sleepUntil(double t)
{
    if (!atTick())
        return; // the script is used up: the window closes
    observe(Moment::FlowTick);
    consumeTick();
    m_clock = t;
}

void ScriptedHost::dispatchUntilTick()
{
    while (m_next < m_script.size() && !atTick()) {
        observe(Moment::Event);
        dispatchNext();
    }
}

// The window closes as the last line is taken, before that line's action runs.
void ScriptedHost::advance()
{
    if (++m_next >= m_script.size())
        m_exercise->noteWindowClosed();
}

void ScriptedHost::dispatchNext()
{
    const Action &action = m_script[m_next];
    advance();
    dispatch(action);
}

void ScriptedHost::dispatch(const Action &action)
{
    Exercise &form = *m_exercise;
    switch (action.kind) {
    case Action::Kind::Pick:
        form.setSelectorText(action.argument);
        form.chooseLiquid();
        break;
    case Action::Kind::Type:
        form.setSelectorText(action.argument);
        break;
    case Action::Kind::Click:
        if (action.click->enabled(form.state()))
            (form.*action.click->handler)();
        break;
    case Action::Kind::Lo:
        typeReading(form, true, action.argument);
        break;
    case Action::Kind::Ll:
        typeReading(form, false, action.argument);
        break;
    case Action::Kind::Compute:
        form.computeViscosity();
        break;
    case Action::Kind::Dump:
        if (m_sink)
            m_sink(dumpState(form));
        break;
    case Action::Kind::Expect:
        checkExpectation(action, form);
        break;
    case Action::Kind::Tick:
        break;
    case Action::Kind::Unknown:
        throw UnknownLine(action.line, action.text);
    }
}
