// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random user actions against the core, 20,000 a run, with the program's
// promises checked before every action and tick. A failing run prints its
// seed and the shortest script found that still fails, for talven-scenario.
#include "measure/NumberText.h"
#include "scene/Geometry.h"
#include "sim/Apparatus.h"
#include "tests/Session.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

QStringList randomScript(quint32 seed)
{
    static const char *const lines[] = {"fill left",   "fill left",   "fill right",
                                        "drain left",  "drain right", "open",
                                        "close",       "tick",        "tick 3",
                                        "tick 3",
                                        "tick 30", // long enough for a tube to run dry
                                        "pick Плазма", "pick Ацетон", "pick Кровь (жен.)",
                                        "type кровь",  "lo 180",      "lo 1e308",
                                        "ll 75",       "ll 0,007",    "ll 0",
                                        "ll x",        "compute",     "compute",
                                        "clear",       "reverse"};
    QRandomGenerator random(seed);
    QStringList script;
    for (int i = 0; i < 20'000; ++i)
        script << QString::fromUtf8(lines[random.bounded(int(std::size(lines)))]);
    return script;
}

// The exercise's promises, each from a rule of the apparatus, checked before
// every action and tick (docs/architecture.md lists them with their rules).
struct Promise {
    const char *name;
    bool (*holds)(const Exercise &form);
};

bool columnsInTheirTubes(const Exercise &form)
{
    const Scene &scene = form.state().scene;
    const auto within = [](const Element &e, float lowest, float highest, float bottom) {
        return e.height >= lowest && e.height < highest && std::abs(e.bottom() - bottom) < 0.01f;
    };
    using namespace Geometry;
    constexpr float floor = emptyColumnTop + emptyColumnHeight,
                    vessel = collectedStartTop + collectedStartHeight;
    // Water levels go by tens from 15, and a whole step from 35 leaves 5; a
    // fill is refused from 3200.
    constexpr float most = Apparatus::fillLimit + Apparatus::fillStep;
    return within(scene.water(), 5, most, floor) &&
           within(scene.liquid(), emptyColumnHeight, most, floor) &&
           within(scene.collected(), collectedStartHeight, Apparatus::collectedDrainLimit + 1,
                  vessel);
}

bool listReadsBackWithItsMean(const Exercise &form)
{
    const ExerciseState &s = form.state();
    const QStringList &shown = s.results[s.liquid];
    for (const QString &item : shown) {
        const std::optional<double> value = NumberText::toNumber(item, form.locale());
        if (!value || NumberText::fromNumber(*value, form.locale()) != item)
            return false;
    }
    const std::optional<double> mean = NumberText::meanOf(shown, form.locale());
    return !mean || s.mean == NumberText::fromNumber(*mean, form.locale());
}

const Promise promises[] = {
    {"every column stays in its tube, on its floor", columnsInTheirTubes},
    {"a stream shows only while the liquid flows, the water's only with the tap open",
     [](const Exercise &f) {
         const bool flowing = f.invocations() > 0, open = f.state().tapOpen;
         return (!f.state().scene.waterStream().visible || (flowing && open)) &&
                (!f.state().scene.liquidStream().visible || flowing);
     }},
    {"the shown list's items read back and sred1 is their mean", listReadsBackWithItsMean},
    {"the heading names the chosen liquid", // every pick here names a liquid
     [](const Exercise &f) {
         return f.state().heading == QString::fromUtf8(Liquids::catalogue[f.state().liquid].name);
     }},
};

// The first broken promise as the state stands, or an empty text.
QString brokenPromise(const Exercise &form)
{
    for (const Promise &promise : promises)
        if (!promise.holds(form))
            return QString::fromUtf8(promise.name);
    return {};
}

QString failureOf(const QStringList &script)
{
    ScriptedHost host(parseScript(script.join(u'\n')));
    Exercise form(host, QLocale(QLocale::Russian, QLocale::Russia));
    QString failure;
    host.setObserver([&](ScriptedHost::Moment moment) {
        if (moment == ScriptedHost::Moment::End)
            return; // the window has closed: the flows ended without touching the apparatus
        if (failure.isEmpty() && !(failure = brokenPromise(form)).isEmpty())
            failure = QStringLiteral("before line %1: %2").arg(host.position() + 1).arg(failure);
    });
    form.load();
    host.play(form);
    return failure;
}

// Drops ever smaller runs of lines while the script still fails.
QStringList shrink(QStringList script)
{
    for (qsizetype chunk = script.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype start = 0; start < script.size();) {
            QStringList shorter = script;
            shorter.remove(start, std::min(chunk, script.size() - start));
            if (failureOf(shorter).isEmpty())
                start += chunk;
            else
                script = shorter;
        }
    }
    return script;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void randomActionsKeepThePromises_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 20261207u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomActionsKeepThePromises()
    {
        QFETCH(quint32, seed);
        const QStringList script = randomScript(seed);
        const QString failure = failureOf(script);
        if (!failure.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, %2\nshortest failing script:\n%3")
                                 .arg(seed)
                                 .arg(failure, shrink(script).join(u'\n'))));
    }
};

QTEST_GUILESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
