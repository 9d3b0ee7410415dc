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
struct ExerciseState {
    Scene scene;
    // Open: "Закрыть кран" works and "Открыть кран" does not; closed, the reverse.
    bool tapOpen = false;
    QString selectorText;                            // the selector's text, typed or picked
    int liquid = Liquids::initial;                   // selected liquid; its list is the one shown
    QString heading;                                 // the calculation frame's heading
    std::array<QStringList, Liquids::count> results; // results lists by catalogue index
    QString mean;                                    // mean of the shown list
    QString waterReading, liquidReading;             // the readings l0 and l'
    bool scaleReversed = false;                      // scales numbered from the top down
    int beeps = 0;                                   // system beeps since the start
};

// The main window's handlers, named after the control and event they answer.
// After every handler, and before the flow cycle lets events run, it
// announces changed(): the window shows the state from that signal alone.
class Exercise : public QObject
{
    Q_OBJECT
public:
    using Reading = Viscosity::Reading;

    Exercise(FlowHost &host, const QLocale &locale);

    const ExerciseState &state() const { return m_state; }
    const QLocale &locale() const { return m_locale; }
    // The liquids' names as the selector shows them, the designed ones unless
    // set; the selector's text steers the flow by them. Set before load().
    const Liquids::Names &liquidNames() const { return m_names; }
    void setLiquidNames(const Liquids::Names &names);
    // Running invocations of the flow cycle; nested ones count one each.
    int invocations() const { return int(m_invocations.size()); }
    // The bytes one nested invocation needs, apart from the allocator's slack.
    static constexpr std::size_t invocationRecordSize() { return sizeof(Invocation); }

    // Text typed into the selector and the reading boxes, pushed as it changes.
    void setSelectorText(const QString &text) { m_state.selectorText = text; }
    void setWaterReading(const QString &text) { m_state.waterReading = text; }
    void setLiquidReading(const QString &text) { m_state.liquidReading = text; }

    // The window has closed: every running flow ends without touching the apparatus.
    void noteWindowClosed() { m_windowClosed = true; }

    void load();
    void chooseLiquid(); // a pick from the selector's list

    void openTap();     // "Открыть кран": open the tap, run the flow
    void closeTap();    // "Закрыть кран"
    void fillWater();   // left "Больше"
    void drainWater();  // left "Меньше"
    void fillLiquid();  // right "Больше"
    void drainLiquid(); // right "Меньше"

    void filterReadingKey(QChar &key); // l0 and l' alike
    // "Подсчитать вязкость": appends l0 / l' to the shown list. A refused
    // reading beeps and names the box to correct.
    std::optional<Reading> computeViscosity();
    void clearResults(); // "Очистить": empties the shown list

    void reverseScale(); // menu "Реверс шкалы"

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

    void runFlow();
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
    Liquids::Names m_names = Liquids::designedNames();
    ExerciseState m_state;
    std::vector<Invocation> m_invocations; // innermost last
    bool m_driving = false;
    bool m_windowClosed = false;
};
