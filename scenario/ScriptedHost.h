// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scenario/Script.h"
#include "sim/FlowHost.h"

#include <QByteArray>
#include <functional>
#include <stdexcept>
#include <vector>

class Exercise;

// A line that stops the driver, with its number.
struct ScriptError : std::runtime_error {
    ScriptError(int line, const QString &message);
    int line;
};
// A line the driver does not know, reached while playing.
struct UnknownLine : ScriptError {
    UnknownLine(int line, const QString &text);
};
// An `expect` line whose value the state does not have.
struct UnmetExpectation : ScriptError {
    UnmetExpectation(int line, const QString &path, const QString &wanted, const QString &found);
};

// Plays a script against the core with a simulated clock. Events are
// dispatched where the running program dispatches window events: at the top
// level, and at the event processing of the innermost flow invocation, which
// takes every event up to the next tick line. A tick wait consumes one tick;
// a held cycle waits for the next event. The window closes when the script is
// used up.
class ScriptedHost : public FlowHost
{
public:
    using DumpSink = std::function<void(const QByteArray &)>;

    // Where the script stands when the observer looks at the state.
    enum class Moment {
        Event,    // an action is about to be dispatched
        TopTick,  // a tick passes with no flow running
        FlowTick, // a flowing invocation's tick wait
        HeldTick, // a tick passes while the innermost invocation is held
        End,      // the script is used up
    };
    using Observer = std::function<void(Moment)>;

    explicit ScriptedHost(std::vector<Action> script, DumpSink sink = {});

    // Plays the whole script; throws UnknownLine and UnmetExpectation.
    void play(Exercise &form);

    // Called before every action and tick, and at the end.
    void setObserver(Observer observer) { m_observer = std::move(observer); }
    // The number of script lines played so far.
    std::size_t position() const { return m_next; }

    void processEvents() override;
    void waitForEvents() override;
    double now() override { return m_clock; }
    void sleepUntil(double t) override;
    void beep() override {}

private:
    bool atTick() const;
    void consumeTick();
    void skipTickLine();
    void dispatchUntilTick();
    void advance();
    void dispatchNext();
    void observe(Moment moment)
    {
        if (m_observer)
            m_observer(moment);
    }
    void dispatch(const Action &action);

    std::vector<Action> m_script;
    DumpSink m_sink;
    Observer m_observer;
    Exercise *m_exercise = nullptr;
    std::size_t m_next = 0; // the next action to play
    long m_ticksDone = 0;   // ticks consumed of the current tick line
    double m_clock = 0;     // s
};
