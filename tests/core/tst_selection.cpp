// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the test liquid: colours, the list shown, the emptied right tube
// and receiving vessel, and the mean of the list shown.
#include "tests/scenario/Session.h"

#include <QTest>

namespace {
constexpr quint32 paleBlue = 0x00FFC0C0, yellowGreen = 0x0000C0C0, olive = 0x00008080,
                  red = 0x000000FF, darkRed = 0x00000080;
}

class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void startState();
    void pick_data();
    void pick();
    void pickEmptiesRightTubeAndVessel();
    void unknownNameKeepsLiquid();
    void typingRunsNothing();
    void meanOfShownList();
    void listsStayApart();
    void selectorOrderIsAlphabetical();
    void bottomEdgesStay();
};

void TestSelection::startState()
{
    Session s(QString{});
    QCOMPARE(s.state().Label18Caption, QStringLiteral("Ксилол"));
    QCOMPARE(s.state().zhidkost, 0);
    QCOMPARE(s.state().sred1Caption, QString());
    QCOMPARE(s.scene().voda2().border, Colour::windowText());
    QCOMPARE(s.scene().voda1().height, 15.0f);
    QCOMPARE(s.scene().voda1().top, 3840.0f);
    QVERIFY(!s.scene().strui3().visible);
    QCOMPARE(s.scene().Label1(0).fore, Colours::darkRed);
    QCOMPARE(s.scene().Label2(3).fore, Colour::buttonText());
    QCOMPARE(s.scene().Label2(5).caption, QStringLiteral("5"));
}

void TestSelection::pick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("column");
    QTest::addColumn<quint32>("collected");

    QTest::addRow("Ацетон, first in the list") << "Ацетон" << 1 << paleBlue << paleBlue;
    QTest::addRow("Ксилол") << "Ксилол" << 0 << paleBlue << paleBlue;
    QTest::addRow("Спирт этиловый") << "Спирт этиловый" << 2 << paleBlue << paleBlue;
    QTest::addRow("Сыворотка") << "Сыворотка" << 3 << yellowGreen << olive;
    QTest::addRow("Плазма") << "Плазма" << 4 << yellowGreen << olive;
    QTest::addRow("Кровь (жен.)") << "Кровь (жен.)" << 5 << red << darkRed;
    QTest::addRow("Кровь (муж.)") << "Кровь (муж.)" << 6 << red << darkRed;
}

void TestSelection::pick()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(quint32, column);
    QFETCH(quint32, collected);

    // Start from another liquid so that every colour has to change.
    const QString other = index == 5 ? QStringLiteral("Ацетон") : QStringLiteral("Кровь (жен.)");
    Session s("pick " + other + "\npick " + name);
    const Scene &scene = s.scene();
    QCOMPARE(s.state().zhidkost, index);
    QCOMPARE(s.state().Label18Caption, name);
    QCOMPARE(s.state().sred1Caption, QStringLiteral("0"));
    for (const Element *e : {&scene.voda2(), &scene.strui2()}) {
        QCOMPARE(e->fill, Colour::rgb(column));
        QCOMPARE(e->border, Colour::rgb(column));
    }
    QCOMPARE(scene.strui3().fill, Colour::rgb(collected));
    QCOMPARE(scene.strui3().border, Colour::rgb(collected));
    QCOMPARE(scene.voda1().border, Colour::windowText()); // water keeps its colours
    QCOMPARE(scene.strui1().fill, Colour::rgb(paleBlue));
}

void TestSelection::pickEmptiesRightTubeAndVessel()
{
    Session s("fill left\nfill right\nfill right\ndrain right\npick Плазма");
    const Scene &scene = s.scene();
    QCOMPARE(scene.voda2().height, 15.0f);
    QCOMPARE(scene.voda2().top, 3840.0f);
    QCOMPARE(scene.strui3().height, 105.0f);
    QCOMPARE(scene.strui3().top, 6000.0f);
    QVERIFY(!scene.strui3().visible);
    QCOMPARE(scene.voda1().height, 215.0f); // the water stays
}

void TestSelection::unknownNameKeepsLiquid()
{
    Session s("pick Плазма\nfill right\npick плазма");
    QCOMPARE(s.state().zhidkost, 4);
    QCOMPARE(s.state().Label18Caption, QStringLiteral("плазма"));
    QCOMPARE(s.scene().voda2().fill, Colour::rgb(yellowGreen));
    QCOMPARE(s.scene().voda2().height, 15.0f); // steps 1 to 4 still run
    QCOMPARE(s.state().sred1Caption, QStringLiteral("0"));
}

void TestSelection::typingRunsNothing()
{
    Session s("type Плазма");
    QCOMPARE(s.state().Combo1Text, QStringLiteral("Плазма"));
    QCOMPARE(s.state().zhidkost, 0);
    QCOMPARE(s.state().Label18Caption, QStringLiteral("Ксилол"));
    QCOMPARE(s.scene().voda2().fill, Colour::rgb(paleBlue));
}

void TestSelection::meanOfShownList()
{
    Session s("lo 1\nll 1\ncompute\ncompute\nlo 2\ncompute\npick Ацетон\npick Ксилол");
    QCOMPARE(s.state().List1[0], (QStringList{"1", "1", "2"}));
    QCOMPARE(s.state().sred1Caption, QStringLiteral("1,333"));
}

void TestSelection::listsStayApart()
{
    Session s("lo 1\nll 2\ncompute\npick Ацетон\nlo 3\ncompute\npick Ксилол");
    QCOMPARE(s.state().List1[0], QStringList{"0,5"});
    QCOMPARE(s.state().List1[1], QStringList{"1,5"});
    QCOMPARE(s.state().zhidkost, 0);
    QCOMPARE(s.state().sred1Caption, QStringLiteral("0,5"));
}

void TestSelection::selectorOrderIsAlphabetical()
{
    QCOMPARE(Liquids::selectorOrder(),
             (QStringList{"Ацетон", "Кровь (жен.)", "Кровь (муж.)", "Ксилол", "Плазма",
                          "Спирт этиловый", "Сыворотка"}));
}

// Whatever happens, the columns and the collected liquid keep their bottom edges.
void TestSelection::bottomEdgesStay()
{
    Session s("fill left\nfill right\nfill right\nopen\ntick 3\npick Спирт этиловый\n"
              "fill right\ntick 5\ndrain left\nclose\ndrain right\nfill left");
    QCOMPARE(s.scene().voda1().bottom(), 3855.0f);
    QCOMPARE(s.scene().voda2().bottom(), 3855.0f);
    QCOMPARE(s.scene().strui3().bottom(), 6105.0f);
    QVERIFY(s.scene().voda2().height >= 15);
}

QTEST_APPLESS_MAIN(TestSelection)
#include "tst_selection.moc"
