// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random user actions against the core, 20,000 a run, with the promises of
// the program checked before every action and tick. A failing run prints its
// seed and the shortest script found that still fails; talven-scenario plays
// it back. TALVEN_MONKEY_SEED=N runs that seed alone.
#include "measure/NumberText.h"
#include "tests/Session.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

using Moment = ScriptedHost::Moment;
constexpr int actionsPerRun = 20'000;

QString randomReading(QRandomGenerator &random)
{
    static const char *const pieces[] = {"0", "1", "2", "3",   "5", "7", "9",   "180",   "75", ",",
                                         ".", "-", "e", "E+3", " ", "x", "inf", "1e400", "00"};
    QString text;
    const int count = random.bounded(6);
    for (int i = 0; i < count; ++i)
        text += QLatin1String(pieces[random.bounded(int(std::size(pieces)))]);
    return text;
}

QString randomLine(QRandomGenerator &random)
{
    using Make = QString (*)(QRandomGenerator &);
    struct Choice {
        int weight; // in a hundred
        Make make;
    };
    static const Choice choices[] = {
        {12, [](QRandomGenerator &) { return QStringLiteral("fill left"); }},
        {10, [](QRandomGenerator &) { return QStringLiteral("fill right"); }},
        {6, [](QRandomGenerator &) { return QStringLiteral("drain left"); }},
        {6, [](QRandomGenerator &) { return QStringLiteral("drain right"); }},
        {8, [](QRandomGenerator &) { return QStringLiteral("open"); }},
        {6, [](QRandomGenerator &) { return QStringLiteral("close"); }},
        {20, [](QRandomGenerator &r) { return QStringLiteral("tick %1").arg(1 + r.bounded(4)); }},
        {5,
         [](QRandomGenerator &r) {
             // One pick in eight names no liquid.
             return r.bounded(8) == 0
                        ? QStringLiteral("pick Вода")
                        : QStringLiteral("pick ") +
                              Liquids::catalogue[r.bounded(Liquids::count)].name.toString();
         }},
        {2,
         [](QRandomGenerator &r) {
             return r.bounded(2) ? QStringLiteral("type Ацетон") : QStringLiteral("type кровь");
         }},
        {6,
         [](QRandomGenerator &r) {
             return (r.bounded(2) ? QStringLiteral("lo ") : QStringLiteral("ll ")) +
                    randomReading(r);
         }},
        {10, [](QRandomGenerator &) { return QStringLiteral("compute"); }},
        {3, [](QRandomGenerator &) { return QStringLiteral("clear"); }},
        {3, [](QRandomGenerator &) { return QStringLiteral("reverse"); }},
        {3, [](QRandomGenerator &) { return QStringLiteral("dump"); }},
    };
    int roll = random.bounded(100);
    for (const Choice &choice : choices) {
        if (roll < choice.weight)
            return choice.make(random);
        roll -= choice.weight;
    }
    Q_UNREACHABLE();
}

QStringList randomScript(quint32 seed)
{
    QRandomGenerator random(seed);
    QStringList lines;
    for (int i = 0; i < actionsPerRun; ++i)
        lines << randomLine(random);
    return lines;
}

// The first broken promise as the state stands at `moment`, or an empty text.
QString brokenPromise(const Form1 &form, Moment moment)
{
    const Form1State &s = form.state();
    const Scene &scene = s.scene;
    const auto near = [](float a, float b) { return std::fabs(a - b) < 0.01f; };
    if (!near(scene.voda1().bottom(), 3855) || !near(scene.voda2().bottom(), 3855))
        return QStringLiteral("a column left its bottom edge");
    if (!near(scene.strui3().bottom(), 6105))
        return QStringLiteral("the collected liquid left its bottom edge");
    for (const Element *e : {&scene.voda1(), &scene.voda2(), &scene.strui3()}) {
        if (!(e->height >= 0))
            return e->name + QStringLiteral(" has a negative height");
    }
    if (s.Command1Enabled == s.Command3Enabled)
        return QStringLiteral("the tap is neither open nor closed");
    const bool tapOpen = s.Command3Enabled;
    if (moment == Moment::TopTick && form.invocations() != 0)
        return QStringLiteral("a flow runs at the top level");
    if (moment == Moment::FlowTick && (form.invocations() < 1 || !tapOpen))
        return QStringLiteral("a tick wait without an open tap");
    if (moment == Moment::HeldTick &&
        (form.invocations() < 1 || tapOpen || scene.voda1().height <= 30))
        return QStringLiteral("a held cycle that should have ended");

    const QLocale &locale = form.locale();
    for (const QStringList &list : s.List1) {
        for (const QString &item : list) {
            const std::optional<double> value = NumberText::toNumber(item, locale);
            if (!value || NumberText::fromNumber(*value, locale) != item)
                return QStringLiteral("the item %1 does not read back").arg(item);
            const qsizetype separator = item.indexOf(locale.decimalPoint());
            if (item.contains(QLatin1Char('E')) ? std::floor(*value) != *value
                                                : separator >= 0 && item.size() - separator > 4)
                return QStringLiteral("the item %1 has more than three decimals").arg(item);
        }
    }
    const QStringList &shown = s.List1[s.zhidkost];
    const std::optional<double> mean = NumberText::meanOf(shown, locale);
    if (shown.isEmpty() ? !(s.sred1Caption.isEmpty() || s.sred1Caption == QLatin1String("0"))
                        : !mean || s.sred1Caption != NumberText::fromNumber(*mean, locale))
        return QStringLiteral("sred1 reads %1, not the shown list's mean").arg(s.sred1Caption);

    for (int mark = 0; mark < Scene::scaleMarks; ++mark) {
        const QString expected = QString::number(s.reversChecked ? 5 - mark : mark);
        if (scene.Label1(mark).caption != expected || scene.Label2(mark).caption != expected)
            return QStringLiteral("the scales disagree with the check mark");
    }
    return {};
}

// Plays the script; the first broken promise and the line before which it was seen.
QString failureOf(const QStringList &lines)
{
    ScriptedHost host(parseScript(lines.join(QLatin1Char('\n'))));
    Form1 form(host, QLocale(QLocale::Russian, QLocale::Russia));
    QString failure;
    host.setObserver([&](Moment moment) {
        if (failure.isEmpty()) {
            const QString broken = brokenPromise(form, moment);
            if (!broken.isEmpty())
                failure = QStringLiteral("before line %1: %2").arg(host.position() + 1).arg(broken);
        }
    });
    form.Form_Load();
    host.play(form);
    return failure;
}

// Drops ever smaller runs of lines while the script still fails.
QStringList shrink(QStringList lines)
{
    int replays = 0;
    for (qsizetype chunk = lines.size() / 2; chunk >= 1 && replays < 5000; chunk /= 2) {
        for (qsizetype start = 0; start < lines.size() && replays < 5000;) {
            QStringList candidate = lines;
            candidate.remove(start, std::min(chunk, lines.size() - start));
            ++replays;
            if (!failureOf(candidate).isEmpty())
                lines = candidate;
            else
                start += chunk;
        }
    }
    return lines;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void randomActionsKeepThePromises_data();
    void randomActionsKeepThePromises();
};

void TestMonkey::randomActionsKeepThePromises_data()
{
    QTest::addColumn<quint32>("seed");
    bool fromEnvironment = false;
    const int chosen = qEnvironmentVariableIntValue("TALVEN_MONKEY_SEED", &fromEnvironment);
    if (fromEnvironment) {
        QTest::addRow("seed %d", chosen) << quint32(chosen);
        return;
    }
    for (quint32 seed : {1u, 2u, 3u, 20261206u, 4294967295u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestMonkey::randomActionsKeepThePromises()
{
    QFETCH(quint32, seed);
    const QStringList lines = randomScript(seed);
    const QString failure = failureOf(lines);
    if (failure.isEmpty())
        return;
    const QStringList shortest = shrink(lines);
    const QString report = QStringLiteral("seed %1, %2\nshortest failing script (%3 lines):\n%4")
                               .arg(seed)
                               .arg(failure)
                               .arg(shortest.size())
                               .arg(shortest.join(QLatin1Char('\n')));
    QFAIL(qPrintable(report));
}

QTEST_APPLESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
