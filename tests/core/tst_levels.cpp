// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level buttons: fills, drains, their limits and their meeting with the flow.
#include "tests/scenario/Session.h"

#include <QTest>

class TestLevels : public QObject
{
    Q_OBJECT
private slots:
    void fillsUpToLimit();
    void drainsToEmpty();
    void drainLeavesFullVesselAlone();
    void drainShorterThanOnePressStopsAtFloor();
    void drainDuringFlowHidesStream();
    void fillWithTapClosedStartsNothing();
};

void TestLevels::fillsUpToLimit()
{
    for (const char *side : {"left", "right"}) {
        QString script;
        for (int press = 0; press < 16; ++press)
            script += QStringLiteral("fill %1\n").arg(QLatin1String(side));
        Session sixteen(script);
        const Element &column =
            side == QLatin1String("left") ? sixteen.scene().voda1() : sixteen.scene().voda2();
        QCOMPARE(column.height, 3215.0f);
        QCOMPARE(column.top, 640.0f); // above mark 5 (840), below the tube's top (360)
        QCOMPARE(sixteen.state().beeps, 0);

        Session seventeen(script + QStringLiteral("fill %1\n").arg(QLatin1String(side)));
        QCOMPARE(seventeen.state().beeps, 1);
        QCOMPARE(seventeen.state().scene.voda1().height + seventeen.state().scene.voda2().height,
                 3215.0f + 15);
    }
}

void TestLevels::drainsToEmpty()
{
    Session s("fill right\ndrain right\ndump\ndrain right\ndump\ndrain right");
    QCOMPARE(s.at(0, "voda2", "height").toDouble(), 115.0);
    QCOMPARE(s.at(0, "strui3", "height").toDouble(), 107.0);
    QCOMPARE(s.at(0, "strui3", "visible").toBool(), true);
    QCOMPARE(s.at(0, "strui2", "visible").toBool(), false); // shown only while draining
    QCOMPARE(s.at(1, "voda2", "height").toDouble(), 15.0);
    QCOMPARE(s.at(1, "strui3", "height").toDouble(), 109.0);
    QCOMPARE(s.state().beeps, 1);
    QCOMPARE(s.scene().strui3().height, 109.0f);
}

void TestLevels::drainLeavesFullVesselAlone()
{
    QString script;
    for (int i = 0; i < 300; ++i) // each round lets out 200 twips: the vessel gains 4
        script += QStringLiteral("fill left\ndrain left\ndrain left\n");
    Session full(script);
    QCOMPARE(full.scene().strui3().height, 1305.0f);
    Session more(script + QStringLiteral("fill left\ndrain left\n"));
    QCOMPARE(more.scene().strui3().height, 1305.0f);
    QCOMPARE(more.scene().strui3().top, 6105.0f - 1305);
    QCOMPARE(more.scene().voda1().height, 115.0f);
}

void TestLevels::drainShorterThanOnePressStopsAtFloor()
{
    // Closed five ticks after opening at 215, the water stands at 65: a drain
    // empties the tube instead of leaving -35, and ends the held cycle.
    Session s("fill left\nopen\ntick 5\nclose\ntick\ndump\ndrain left\ndump\ntick\ndump");
    QCOMPARE(s.at(0, "voda1", "height").toDouble(), 65.0);
    QCOMPARE(s.at(0, "cycles").toInt(), 1);
    QCOMPARE(s.at(1, "voda1", "height").toDouble(), 15.0);
    QCOMPARE(s.at(1, "voda1", "top").toDouble(), 3840.0);
    QCOMPARE(s.at(1, "strui3", "height").toDouble(), 105.0 + 10 + 2);
    QCOMPARE(s.at(2, "cycles").toInt(), 0);
}

void TestLevels::drainDuringFlowHidesStream()
{
    Session s("fill left\nfill left\nfill right\nfill right\nopen\ntick\ndrain right\ndrain left\n"
              "dump\ntick\ndump");
    QCOMPARE(s.at(0, "strui2", "visible").toBool(), false);
    QCOMPARE(s.at(0, "strui1", "visible").toBool(), false);
    QCOMPARE(s.at(1, "strui2", "visible").toBool(), true);  // the next step shows it again
    QCOMPARE(s.at(1, "strui1", "visible").toBool(), false); // the cycle never shows it again
    QCOMPARE(s.at(1, "voda2", "height").toDouble(), 415.0 - 50 - 100 - 50);
}

void TestLevels::fillWithTapClosedStartsNothing()
{
    Session s("fill left\ndump\nopen\ndump");
    QCOMPARE(s.at(0, "cycles").toInt(), 0);
    QCOMPARE(s.at(0, "strui1", "visible").toBool(), false);
    QCOMPARE(s.at(1, "cycles").toInt(), 1);
    QCOMPARE(s.at(1, "strui1", "visible").toBool(), true);
}

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
