// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the exercise on the scripted host: numbers, readings, the
// liquids' speeds, the tick and deep nesting. Long sequences are scenario
// files (tests/scenarios).
#include "measure/NumberText.h"
#include "sim/Clicks.h"
#include "tests/NestingHost.h"
#include "tests/Session.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <map>

namespace {
const QLocale russian(QLocale::Russian, QLocale::Russia);

QStringList repeated(const QString &item, int count)
{
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i)
        items << item;
    return items;
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void means_data();
    void means();
    void readings_data();
    void readings();
    void liquidsFall_data();
    void liquidsFall();
    void tickIsASeventhOfASecond();
    void vesselLimits();
    void deepNestingOnSmallStack();
    void liquidsGoByTheNamesShown();
    void readmeNamesTheScriptLines();
};

void TestCore::means_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("mean");
    QTest::addRow("one item") << QStringList{"2,01"} << "2,01";
    QTest::addRow("truncated, not rounded") << QStringList{"1", "0,333", "0"} << "0,444";
    QTest::addRow("53 equal") << repeated("3,896", 53) << "3,896";
    QTest::addRow("63 equal") << repeated("0,666", 63) << "0,666";
    QTest::addRow("151 equal") << repeated("0,3", 151) << "0,3";
    QTest::addRow("100,000 equal") << repeated("999999999999,999", 100'000) << "999999999999,999";
    QTest::addRow("negative, whole") << QStringList{"-1", "-2"} << "-1,5";
    QTest::addRow("negative floors down") << QStringList{"-0,001", "0"} << "-0,001";
    QTest::addRow("not a number counts") << QStringList{"x", "3"} << "1,5";
    QTest::addRow("beyond 1E+12") << QStringList{"2E+12", "1"} << "1000000000000,5";
}

// The mean shown after a result, and after a pick of the liquid.
void TestCore::means()
{
    QFETCH(QStringList, items);
    QFETCH(QString, mean);
    QCOMPARE(NumberText::fromNumber(*NumberText::meanOf(items, russian), russian), mean);
}

void TestCore::readings_data()
{
    QTest::addColumn<QString>("lo");
    QTest::addColumn<QString>("ll");
    QTest::addColumn<QString>("result"); // or why not: "lo", "ll", "range"
    QTest::addRow("plasma") << "180"
                            << "75"
                            << "2,4";
    QTest::addRow("full stop typed as comma") << "1.5"
                                              << "1"
                                              << "1,5";
    QTest::addRow("truncated") << "2"
                               << "3"
                               << "0,666";
    QTest::addRow("binary artefact") << "2,01"
                                     << "1"
                                     << "2,01";
    QTest::addRow("negative") << "-2"
                              << "3"
                              << "-0,667";
    QTest::addRow("one") << "75"
                         << "75"
                         << "1";
    QTest::addRow("l0 minus zero") << "-0"
                                   << "5"
                                   << "0";
    QTest::addRow("l0 zero") << "0"
                             << "5"
                             << "0";
    QTest::addRow("empty l0") << ""
                              << "1"
                              << "lo";
    QTest::addRow("not a number") << "abc"
                                  << "1"
                                  << "lo";
    QTest::addRow("empty l'") << "1"
                              << ""
                              << "ll";
    QTest::addRow("l' zero") << "1"
                             << "0"
                             << "ll";
    QTest::addRow("0 / 0") << "0"
                           << "0"
                           << "ll";
    QTest::addRow("overflow") << "1e308"
                              << "1e-308"
                              << "range";
}

// Typed key by key through the key filter, then "Подсчитать вязкость".
void TestCore::readings()
{
    QFETCH(QString, lo);
    QFETCH(QString, ll);
    QFETCH(QString, result);
    Session s(QStringLiteral("lo %1\nll %2\ncompute\n").arg(lo, ll));
    const std::map<QString, Refusal> reasons{
        {"lo", Refusal::ReadingL0}, {"ll", Refusal::ReadingL1}, {"range", Refusal::OutOfRange}};
    const bool refused = reasons.count(result);
    QCOMPARE(s.state().beeps, refused ? 1 : 0);
    QCOMPARE(s.state().results[0], refused ? QStringList{} : QStringList{result});
    QCOMPARE(s.state().mean, refused ? QString() : result);
    if (!refused)
        return;
    std::optional<Refusal> why;
    QObject::connect(&s.form, &Exercise::refused, [&why](Refusal r) { why = r; });
    // The box that takes the focus: l0 unless l' alone is at fault.
    QCOMPARE(s.form.computeViscosity() == Exercise::Reading::water, result != QLatin1String("ll"));
    QCOMPARE(why, reasons.at(result));
}

void TestCore::liquidsFall_data()
{
    QTest::addColumn<QString>("liquid");
    QTest::addColumn<float>("height");             // of testLiquid after three ticks from 415 twips
    QTest::addRow("xylene") << "Ксилол" << 265.0f; // k 0.6: 50 a tick
    QTest::addRow("acetone") << "Ацетон" << 115.0f;                 // k 0.3: 100
    QTest::addRow("ethanol") << "Спирт этиловый" << 341.23f;        // k 1.22: 24.59
    QTest::addRow("serum") << "Сыворотка" << 340.0f;                // k 1.2: 25
    QTest::addRow("plasma") << "Плазма" << 377.5f;                  // k 2.4: 12.5
    QTest::addRow("female blood") << "Кровь (жен.)" << 391.92f;     // k 3.9: 7.69
    QTest::addRow("male blood") << "Кровь (муж.)" << 341.23f;       // k 1.22
    QTest::addRow("name in other case") << "type плазма" << 415.0f; // no liquid: no fall
}

void TestCore::liquidsFall()
{
    QFETCH(QString, liquid);
    QFETCH(float, height);
    const QString choose = liquid.startsWith(QLatin1String("type ")) ? liquid : "pick " + liquid;
    Session s(choose + QStringLiteral("\nfill left\nfill left\nfill right\nfill right\n"
                                      "open\ntick 3\ndump\n"));
    QCOMPARE(qRound(s.scene().liquid().height * 100), qRound(height * 100));
    QCOMPARE(s.scene().liquid().bottom(), s.scene().water().bottom()); // both on their floors
    QCOMPARE(s.scene().water().height, 325.0f);                        // water: 30 a tick
}

void TestCore::tickIsASeventhOfASecond()
{
    Session s(QStringLiteral("fill left\nopen\ntick 7\ndump\n"));
    QCOMPARE(s.scene().water().height, 215.0f - 7 * 30);
    QVERIFY(qAbs(s.host.now() - 1.0) < 1e-9);
}

// The vessel rises two twips a tick up to 1185, and two a drain up to 1305.
void TestCore::vesselLimits()
{
    const QString fillBoth = QStringLiteral("fill left\nfill right\n").repeated(16);
    const QString flows = QStringLiteral("pick Кровь (жен.)\n") +
                          (fillBoth + QStringLiteral("open\ntick 1000\n")).repeated(2);
    QCOMPARE(Session(flows).scene().collected().height, 1185.0f);
    const QString drains = fillBoth + QStringLiteral("drain left\ndrain right\n").repeated(32);
    QCOMPARE(Session(flows + drains).scene().collected().height, 1305.0f);
}

// Nesting lives on the heap: 100,000 nested runs fit a thread stack of 256 KiB.
void TestCore::deepNestingOnSmallStack()
{
    constexpr int depth = 100'000;
    NestingHost host(depth);
    int left = -1;
    QThread *thread = QThread::create([&host, &left] {
        Exercise form(host, russian);
        host.form = &form;
        form.fillWater();
        form.openTap();
        left = form.invocations(); // closing the window ends every run
    });
    thread->setStackSize(256 * 1024);
    thread->start();
    QVERIFY(thread->wait(QDeadlineTimer(60'000)));
    delete thread;
    QCOMPARE(host.deepest, depth);
    QCOMPARE(left, 0);
}

QTEST_GUILESS_MAIN(TestCore)
// A translation shows other names: the selector picks and steers by them,
// and the liquid stays what it is.
void TestCore::liquidsGoByTheNamesShown()
{
    ScriptedHost host(parseScript(QStringLiteral(
        "pick Plasma\nfill left\nfill left\nfill right\nfill right\nopen\ntick 3\nclose\n")));
    Exercise exercise(host, russian);
    Liquids::Names names = Liquids::designedNames();
    names[4] = QStringLiteral("Plasma");
    exercise.setLiquidNames(names);
    exercise.load();
    QCOMPARE(exercise.state().heading, QStringLiteral("Ксилол"));
    host.play(exercise);
    QCOMPARE(exercise.state().liquid, 4);
    QCOMPARE(exercise.state().scene.liquid().height, 415 - 3 * 12.5f); // plasma's rate
}

// The README's table of script lines names every click the driver plays, and
// every line it names without a placeholder is one the driver knows.
void TestCore::readmeNamesTheScriptLines()
{
    QFile readme(QStringLiteral(TALVEN_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    QStringList named;
    const QRegularExpression row(QStringLiteral("^\\| (`[^|]+`) \\|")),
        word(QStringLiteral("`([^`]+)`"));
    for (const QString &line : QString::fromUtf8(readme.readAll()).split(u'\n')) {
        for (auto words = word.globalMatch(row.match(line).captured(1)); words.hasNext();)
            named << words.next().captured(1);
    }
    for (const Click &click : Clicks::all)
        QVERIFY2(named.contains(QLatin1String(click.keyword)), click.keyword);
    for (const QString &line : std::as_const(named)) {
        if (line == line.toLower())
            QVERIFY2(parseScript(line).front().kind != Action::Kind::Unknown, qPrintable(line));
    }
}

#include "tst_core.moc"
