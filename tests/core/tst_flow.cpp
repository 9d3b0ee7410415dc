// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The flow cycle with the scripted host: ticks, the tap, held and nested runs.
#include "tests/scenario/Session.h"

#include <QTest>

namespace {
double number(const QJsonObject &dump, const char *element, const char *field)
{
    return dump[QLatin1String(element)][QLatin1String(field)].toDouble();
}
bool shown(const QJsonObject &dump, const char *element)
{
    return dump[QLatin1String(element)][QLatin1String("visible")].toBool();
}
int cycles(const QJsonObject &dump)
{
    return dump[QLatin1String("cycles")].toInt();
}
} // namespace

class TestFlow : public QObject
{
    Q_OBJECT
private slots:
    void waterOnly();
    void testLiquidOnly();
    void plasmaFallsInRatio();
    void closeWithWaterLow();
    void heldThenReopened();
    void bothEmptyBeepsAndRunsOnePass();
    void liquidPickedDuringFlow();
    void collectedLiquidCaps();
    void unknownNameKeepsLastStep();
    void stepsOfEthanolAndMaleBlood();
    void lastPartialStepEmptiesTube();
    void fillWhileFlowingNests();
    void fillWithTapOpenAndDryStartsFlow();
    void deepNestingOnSmallStack();
};

void TestFlow::waterOnly()
{
    Session s("fill left\nopen\ndump\ntick 6\ndump\ntick\ndump");
    const QJsonObject start = s.dump(0), sixth = s.dump(1), end = s.dump(2);
    QVERIFY(shown(start, "strui1") && !shown(start, "strui2") && shown(start, "strui3"));
    QCOMPARE(number(sixth, "voda1", "height"), 35.0);
    QCOMPARE(cycles(sixth), 1);
    QCOMPARE(number(end, "voda1", "height"), 5.0); // the seventh pass ends the cycle
    QCOMPARE(number(end, "voda1", "top"), 3850.0);
    QVERIFY(!shown(end, "strui1") && !shown(end, "strui2"));
    QCOMPARE(number(end, "strui3", "height"), 105.0 + 14);
    QCOMPARE(cycles(end), 0);
    QCOMPARE(end["Command3"].toBool(), true); // the tap stays open
}

void TestFlow::testLiquidOnly()
{
    Session s("fill right\nopen\ndump\ntick 4\ndump\ntick\ndump");
    QVERIFY(!shown(s.dump(0), "strui1") && shown(s.dump(0), "strui2"));
    QCOMPARE(number(s.dump(1), "voda2", "height"), 15.0); // 165, 115, 65, 15
    QCOMPARE(cycles(s.dump(1)), 1);
    QCOMPARE(cycles(s.dump(2)), 0); // the fifth pass finds it empty
    QCOMPARE(number(s.dump(2), "strui3", "height"), 115.0);
}

void TestFlow::plasmaFallsInRatio()
{
    Session s("pick Плазма\nfill left\nfill left\nfill right\nfill right\nopen\ntick 6\n"
              "close\ntick\ndump\ntick 5\nfill left\ndrain left\ndump\nlo 180\nll 75\ncompute");
    const QJsonObject held = s.dump(0);
    QCOMPARE(number(held, "voda1", "height"), 235.0);
    QCOMPARE(number(held, "voda2", "height"), 340.0);
    QCOMPARE(cycles(held), 1);
    QVERIFY(!shown(held, "strui1") && !shown(held, "strui2"));
    // Held: ticks pass and a fill with the tap closed moves nothing else.
    QCOMPARE(number(s.dump(1), "voda1", "height"), 335.0);
    QCOMPARE(number(s.dump(1), "voda2", "height"), 340.0);
    QCOMPARE(cycles(s.dump(1)), 1);
    QCOMPARE(s.state().List1[4], QStringList{"2,4"});
}

void TestFlow::closeWithWaterLow()
{
    // Water runs out after 7 ticks while the blood still flows; closing then ends the cycle.
    Session s("pick Кровь (жен.)\nfill left\nfill right\nopen\ntick 7\nclose\ndump\ntick\ndump");
    QCOMPARE(cycles(s.dump(0)), 1);
    QCOMPARE(cycles(s.dump(1)), 0);
    QCOMPARE(number(s.dump(1), "voda1", "height"), 5.0); // no step after the tap closed
}

void TestFlow::heldThenReopened()
{
    Session s("fill left\nfill left\nfill right\nopen\ntick 2\nclose\ntick\ndump\nopen\ndump\n"
              "tick 11\ndump\ntick\ndump");
    QCOMPARE(number(s.dump(0), "voda1", "height"), 355.0);
    QCOMPARE(number(s.dump(0), "voda2", "height"), 115.0);
    QCOMPARE(cycles(s.dump(0)), 1);
    QCOMPARE(cycles(s.dump(1)), 2); // the nested invocation
    // The inner one ends with both tubes dry and the tap open...
    QCOMPARE(cycles(s.dump(2)), 1);
    QCOMPARE(number(s.dump(2), "voda1", "height"), 25.0);
    QCOMPARE(number(s.dump(2), "voda2", "height"), 15.0);
    // ...and the held one takes one more step and ends.
    QCOMPARE(cycles(s.dump(3)), 0);
    QCOMPARE(number(s.dump(3), "voda1", "height"), 15.0);
    QCOMPARE(number(s.dump(3), "voda1", "top"), 3840.0);
    QCOMPARE(number(s.dump(3), "strui3", "height"), 105.0 + 2 * (2 + 11 + 1));
}

void TestFlow::bothEmptyBeepsAndRunsOnePass()
{
    Session s("open\ndump\ntick\ndump");
    QCOMPARE(s.at(0, "beeps").toInt(), 1);
    QCOMPARE(cycles(s.dump(0)), 1);
    QVERIFY(!shown(s.dump(0), "strui3"));
    QCOMPARE(cycles(s.dump(1)), 0);
    QCOMPARE(number(s.dump(1), "strui3", "height"), 107.0);
    QCOMPARE(s.at(1, "Command3").toBool(), true);
}

void TestFlow::liquidPickedDuringFlow()
{
    Session s("fill left\nfill left\nfill right\nopen\ntick 2\npick Плазма\ndump\ntick\ndump\n"
              "fill right\ntick 2\ndump");
    QCOMPARE(number(s.dump(0), "voda2", "height"), 15.0);
    QVERIFY(!shown(s.dump(0), "strui3"));
    QCOMPARE(number(s.dump(1), "voda1", "height"), 325.0); // the water goes on
    QCOMPARE(number(s.dump(1), "strui3", "height"), 107.0);
    QCOMPARE(number(s.dump(2), "voda2", "height"), 190.0); // 215 at plasma's 12.5 a tick
    QCOMPARE(cycles(s.dump(2)), 2);
}

void TestFlow::collectedLiquidCaps()
{
    Session s("fill right\ntype вода\nopen\ntick 539\ndump\ntick\ndump\ntick 5\ndump\n"
              "drain right\ntick 3\ndump");
    QCOMPARE(number(s.dump(0), "strui3", "height"), 1183.0);
    QCOMPARE(number(s.dump(1), "strui3", "height"), 1185.0);
    QCOMPARE(number(s.dump(2), "strui3", "height"), 1185.0);
    QCOMPARE(number(s.dump(2), "strui3", "top"), 6105.0 - 1185);
    QCOMPARE(number(s.dump(3), "strui3", "height"), 1187.0); // the drains go on to 1305
}

void TestFlow::unknownNameKeepsLastStep()
{
    Session s("fill right\nfill right\nopen\ntick\ntype Ксил\ntick 2\ndump");
    QCOMPARE(number(s.dump(0), "voda2", "height"), 415.0 - 3 * 50);
}

void TestFlow::stepsOfEthanolAndMaleBlood()
{
    for (const char *name : {"Спирт этиловый", "Кровь (муж.)"}) {
        Session s(
            QStringLiteral("pick %1\nfill right\nopen\ntick\ndump").arg(QString::fromUtf8(name)));
        QCOMPARE(float(number(s.dump(0), "voda2", "height")), float(215 - 24.59016393442623));
    }
}

void TestFlow::lastPartialStepEmptiesTube()
{
    Session s("pick Спирт этиловый\nfill right\nopen\ntick 8\ndump\ntick\ndump");
    QCOMPARE(float(number(s.dump(0), "voda2", "height")), 18.2786884f);
    QCOMPARE(number(s.dump(1), "voda2", "height"), 15.0); // not -6.31
    QCOMPARE(number(s.dump(1), "voda2", "top"), 3840.0);
    QVERIFY(shown(s.dump(1), "strui2"));
}

void TestFlow::fillWhileFlowingNests()
{
    Session s(
        "fill left\nfill left\nopen\ntick\nfill left\ndump\ntick\nfill right\ndump\ntick\ndump");
    QCOMPARE(cycles(s.dump(0)), 2);
    QCOMPARE(cycles(s.dump(1)), 3);
    QVERIFY(shown(s.dump(1), "strui1") && shown(s.dump(1), "strui2"));
    QCOMPARE(number(s.dump(2), "voda2", "height"), 165.0);
}

void TestFlow::fillWithTapOpenAndDryStartsFlow()
{
    Session s("fill right\nopen\ntick 5\ndump\nfill right\ndump\ntick 4\ndump\ntick\ndump");
    QCOMPARE(cycles(s.dump(0)), 0);
    QCOMPARE(cycles(s.dump(1)), 1);
    QCOMPARE(number(s.dump(2), "voda2", "height"), 15.0);
    QCOMPARE(cycles(s.dump(3)), 0);
}

// A fill at every tick while flowing nests one invocation per press: 100,000
// of them must run on a 256 KiB stack.
void TestFlow::deepNestingOnSmallStack()
{
    constexpr int depth = 100'000;
    QString script =
        QStringLiteral("fill left\nfill left\nfill left\nfill left\nfill left\nopen\n");
    // Over 20 ticks the level comes back: 13 x (+100 - 30) and 7 x (-100 - 30).
    for (int tick = 0; tick < depth; ++tick) {
        script += tick % 20 < 13
                      ? QStringLiteral("drain left\nfill left\ntick\n")
                      : QStringLiteral("drain left\ndrain left\ndrain left\nfill left\ntick\n");
    }
    script += QStringLiteral("dump\n");
    std::unique_ptr<Session> session;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { session = std::make_unique<Session>(script); }));
    thread->setStackSize(256 * 1024);
    thread->start();
    QVERIFY(thread->wait(QDeadlineTimer(240'000)));
    QCOMPARE(cycles(session->dump(0)), depth + 1);
    QCOMPARE(session->form.invocations(), 0); // the window closed at the end of the script
}

QTEST_APPLESS_MAIN(TestFlow)
#include "tst_flow.moc"
