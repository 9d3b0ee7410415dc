// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "measure/Viscosity.h"
#include "scene/Scene.h"
#include "sim/Liquids.h"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class FlowHost;

// Why an action is refused. The beep says only that it is.
enum class Refusal {
    TubeFull,      // a fill at the top of the tube
    TubeEmpty,     // a drain of an empty tube
    NothingToFlow, // the tap opened with both tubes empty
    ReadingL0,     // l0 is not a number
    ReadingL1,     // l' is not a number above zero
    OutOfRange,    // the readings give a result or mean beyond any number
};

// Everything of the main window that the exercise reads and writes. The
// widgets are views of it.
struct Form1State {
    Scene scene;
    // The tap is this pair of Enabled flags: closed (true, false), open (false, true).
    bool Command1Enabled = true;
    bool Command3Enabled = false;
    QString Combo1Text = QStringLiteral("Ксилол"); // the selector's text, typed or picked
    int zhidkost = 0;                              // selected liquid; its list is the one shown
    QString Label18Caption;                        // the calculation frame's heading
    std::array<QStringList, Liquids::count> List1; // results lists by catalogue index
    QString sred1Caption;                          // mean of the shown list
    QString loText, llText;                        // the readings l0 and l'
    bool reversChecked = false;                    // scales numbered from the top down
    int beeps = 0;                                 // system beeps since the start
};

// The main window's handlers, named after the control and event they answer.
// After every handler, and before the flow cycle lets events run, it
// announces changed(): the window shows the state from that signal alone.
class Form1 : public QObject
{
    Q_OBJECT
public:
    using Reading = Viscosity::Reading;

    Form1(FlowHost &host, const QLocale &locale);

    const Form1State &state() const { return m_state; }
    const QLocale &locale() const { return m_locale; }
    // Running invocations of the flow cycle; nested ones count one each.
    int invocations() const { return int(m_invocations.size()); }
    // The bytes one nested invocation needs, apart from the allocator's slack.
    static constexpr std::size_t invocationRecordSize() { return sizeof(Invocation); }

    // Text typed into the selector and the reading boxes, pushed as it changes.
    void setCombo1Text(const QString &text) { m_state.Combo1Text = text; }
    void setLoText(const QString &text) { m_state.loText = text; }
    void setLlText(const QString &text) { m_state.llText = text; }

    // The window has closed: every running flow ends without touching the apparatus.
    void noteWindowClosed() { m_windowClosed = true; }

    void Form_Load();
    void Combo1_Click(); // a pick from the selector's list

    void Command1_Click();  // "Открыть кран": open the tap, run the flow
    void Command3_Click();  // "Закрыть кран"
    void Command2_Click();  // left "Больше"
    void Command9_Click();  // left "Меньше"
    void Command4_Click();  // right "Больше"
    void Command10_Click(); // right "Меньше"

    void lo_KeyPress(QChar &key);
    void ll_KeyPress(QChar &key);
    // "Подсчитать вязкость": appends l0 / l' to the shown list. A refused
    // reading beeps and names the box to correct.
    std::optional<Reading> Command5_Click();
    void Command6_Click(); // "Очистить": empties the shown list

    void revers_Click(); // menu "Реверс шкалы"

signals:
    void changed();
    void refused(Refusal why); // a refused action, as it beeps

private:
    // One running invocation of the flow cycle.
    struct Invocation {
        enum class Next : unsigned char { Pump, Wait, Pass };
        double tickStart = 0; // s
        double step = 0;      // test-liquid fall per tick, twips; 0 until a name matches
        Next next = Next::Pump;
    };
    // Why the innermost invocation's end test runs.
    enum class EndTest { TapClosed, RightTubeEmpty };

    void utekau();
    void startFlow();
    void driveFlow();
    void flowPass();
    void endTest(EndTest reason);
    void fill(Element &column);
    void drain(Element &column, Element &stream);
    void showMean();
    void beep(Refusal why);

    FlowHost &m_host;
    QLocale m_locale;
    Form1State m_state;
    std::vector<Invocation> m_invocations; // innermost last
    bool m_driving = false;
    bool m_windowClosed = false;
};
