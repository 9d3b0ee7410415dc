// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario/ScriptedHost.h"

#include "scenario/Dump.h"
#include "sim/Form1.h"

namespace {
// Empties a reading box, then types `keys` into it one by one through its key filter.
void typeReading(Form1 &form, bool lo, const QString &keys)
{
    QString text;
    lo ? form.setLoText(text) : form.setLlText(text);
    for (QChar key : keys) {
        lo ? form.lo_KeyPress(key) : form.ll_KeyPress(key);
        text += key;
        lo ? form.setLoText(text) : form.setLlText(text);
    }
}
} // namespace

UnknownLine::UnknownLine(int line, const QString &text)
    : std::runtime_error(
          QStringLiteral("line %1: unknown line: %2").arg(line).arg(text).toStdString()),
      line(line)
{}

ScriptedHost::ScriptedHost(std::vector<Action> script, DumpSink sink)
    : m_script(std::move(script)), m_sink(std::move(sink))
{}

void ScriptedHost::play(Form1 &form)
{
    m_form = &form;
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
        m_form->noteWindowClosed();
}

void ScriptedHost::dispatchNext()
{
    const Action &action = m_script[m_next];
    advance();
    dispatch(action);
}

void ScriptedHost::dispatch(const Action &action)
{
    Form1 &form = *m_form;
    switch (action.kind) {
    case Action::Kind::Pick:
        form.setCombo1Text(action.argument);
        form.Combo1_Click();
        break;
    case Action::Kind::Type:
        form.setCombo1Text(action.argument);
        break;
    case Action::Kind::FillLeft:
        form.Command2_Click();
        break;
    case Action::Kind::FillRight:
        form.Command4_Click();
        break;
    case Action::Kind::DrainLeft:
        form.Command9_Click();
        break;
    case Action::Kind::DrainRight:
        form.Command10_Click();
        break;
    case Action::Kind::Open:
        if (form.state().Command1Enabled) // a disabled button takes no click
            form.Command1_Click();
        break;
    case Action::Kind::Close:
        if (form.state().Command3Enabled)
            form.Command3_Click();
        break;
    case Action::Kind::Lo:
        typeReading(form, true, action.argument);
        break;
    case Action::Kind::Ll:
        typeReading(form, false, action.argument);
        break;
    case Action::Kind::Compute:
        form.Command5_Click();
        break;
    case Action::Kind::Clear:
        form.Command6_Click();
        break;
    case Action::Kind::Reverse:
        form.revers_Click();
        break;
    case Action::Kind::Dump:
        if (m_sink)
            m_sink(dumpState(form));
        break;
    case Action::Kind::Tick:
        break;
    case Action::Kind::Unknown:
        throw UnknownLine(action.line, action.text);
    }
}
