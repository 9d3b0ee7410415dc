// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random user actions against the core, 20,000 a run, with the program's
// promises checked before every action and tick. A failing run prints its
// seed and the shortest script found that still fails, for talven-scenario.
#include "measure/NumberText.h"
#include "tests/Session.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

QStringList randomScript(quint32 seed)
{
    static const char *const lines[] = {"fill left",
                                        "fill left",
                                        "fill right",
                                        "drain left",
                                        "drain right",
                                        "open",
                                        "close",
                                        "tick",
                                        "tick 3",
                                        "tick 3",
                                        "pick Плазма",
                                        "pick Ацетон",
                                        "pick Кровь (жен.)",
                                        "type кровь",
                                        "lo 180",
                                        "lo 1e308",
                                        "ll 75",
                                        "ll 0,007",
                                        "ll 0",
                                        "ll x",
                                        "compute",
                                        "compute",
                                        "clear",
                                        "reverse"};
    QRandomGenerator random(seed);
    QStringList script;
    for (int i = 0; i < 20'000; ++i)
        script << QString::fromUtf8(lines[random.bounded(int(std::size(lines)))]);
    return script;
}

// The first broken promise as the state stands, or an empty text.
QString brokenPromise(const Form1 &form)
{
    const Form1State &s = form.state();
    for (const Element *e : {&s.scene.voda1(), &s.scene.voda2(), &s.scene.strui3()}) {
        const float bottom = e == &s.scene.strui3() ? 6105 : 3855; // single precision drifts
        if (!(e->height >= 0) || std::abs(e->bottom() - bottom) > 0.01f)
            return e->name + QStringLiteral(" left its bottom edge or went negative");
    }
    if (s.Command1Enabled == s.Command3Enabled)
        return QStringLiteral("the tap is neither open nor closed");
    const QStringList &shown = s.List1[s.zhidkost];
    for (const QString &item : shown) {
        const std::optional<double> value = NumberText::toNumber(item, form.locale());
        if (!value || NumberText::fromNumber(*value, form.locale()) != item)
            return QStringLiteral("the item %1 does not read back").arg(item);
    }
    const std::optional<double> mean = NumberText::meanOf(shown, form.locale());
    if (mean && s.sred1Caption != NumberText::fromNumber(*mean, form.locale()))
        return QStringLiteral("sred1 reads %1, not the shown list's mean").arg(s.sred1Caption);
    return {};
}

QString failureOf(const QStringList &script)
{
    ScriptedHost host(parseScript(script.join(u'\n')));
    Form1 form(host, QLocale(QLocale::Russian, QLocale::Russia));
    QString failure;
    host.setObserver([&](ScriptedHost::Moment) {
        if (failure.isEmpty() && !(failure = brokenPromise(form)).isEmpty())
            failure = QStringLiteral("before line %1: %2").arg(host.position() + 1).arg(failure);
    });
    form.Form_Load();
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
