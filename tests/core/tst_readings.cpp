// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Readings, the relative viscosity l0 / l', and the results lists with their mean.
#include "measure/NumberText.h"
#include "tests/scenario/Session.h"

#include <QTest>

namespace {
const QLocale russian(QLocale::Russian, QLocale::Russia);
const QLocale english(QLocale::English, QLocale::UnitedStates);

// A script that types the two readings as they are (no key filter) and computes.
QString readingsScript(const QString &lo, const QString &ll, int computes = 1)
{
    QString script = QStringLiteral("lo %1\nll %2\n").arg(lo, ll);
    for (int i = 0; i < computes; ++i)
        script += QStringLiteral("compute\n");
    return script;
}
} // namespace

class TestReadings : public QObject
{
    Q_OBJECT
private slots:
    void compute_data();
    void compute();
    void refusalKeepsEverything();
    void meanAfterEachAppend_data();
    void meanAfterEachAppend();
    void clearEmptiesShownListOnly();
    void keyFilter_data();
    void keyFilter();
    void hugeResultsNeverOverflowTheMean();
};

void TestReadings::compute_data()
{
    QTest::addColumn<QString>("lo");
    QTest::addColumn<QString>("ll");
    QTest::addColumn<QString>("item");   // empty: refused
    QTest::addColumn<int>("refusedBox"); // 0 lo, 1 ll, -1 none

    QTest::addRow("1 / 2") << "1"
                           << "2"
                           << "0,5" << -1;
    QTest::addRow("2 / 3 truncates") << "2"
                                     << "3"
                                     << "0,666" << -1;
    QTest::addRow("2,01 / 1 keeps 2,01") << "2,01"
                                         << "1"
                                         << "2,01" << -1;
    QTest::addRow("1,0015 / 1") << "1,0015"
                                << "1"
                                << "1,001" << -1;
    QTest::addRow("-1 / 3 goes down") << "-1"
                                      << "3"
                                      << "-0,334" << -1;
    QTest::addRow("0 / 5 is a result") << "0"
                                       << "5"
                                       << "0" << -1;
    QTest::addRow("0 / -5 is 0, not -0") << "0"
                                         << "-5"
                                         << "0" << -1;
    QTest::addRow("blanks around") << " 180 "
                                   << "  75"
                                   << "2,4" << -1;
    QTest::addRow("plasma's falls") << "0,3"
                                    << "0,125"
                                    << "2,4" << -1;
    QTest::addRow("large") << "1E+20"
                           << "1"
                           << "1E+20" << -1;
    QTest::addRow("tiny") << "1E-20"
                          << "1"
                          << "0" << -1;
    QTest::addRow("lo empty") << ""
                              << "1"
                              << "" << 0;
    QTest::addRow("ll empty") << "1"
                              << ""
                              << "" << 1;
    QTest::addRow("both empty: lo first") << ""
                                          << ""
                                          << "" << 0;
    QTest::addRow("lo not a number") << "abc"
                                     << "1"
                                     << "" << 0;
    QTest::addRow("ll not a number") << "1"
                                     << "x"
                                     << "" << 1;
    QTest::addRow("pasted full stop") << "1.5"
                                      << "1"
                                      << "" << 0;
    QTest::addRow("division by zero") << "1"
                                      << "0"
                                      << "" << 1;
    QTest::addRow("0 / 0") << "0"
                           << "0"
                           << "" << 1;
    QTest::addRow("inf") << "inf"
                         << "1"
                         << "" << 0;
    QTest::addRow("quotient overflows") << "1E+300"
                                        << "1E-300"
                                        << "" << 0;
    QTest::addRow("thousandths overflow") << "1E+306"
                                          << "1"
                                          << "" << 0;
}

// The readings as they stand in the boxes, typed or pasted (a pasted text
// skips the key filter).
void TestReadings::compute()
{
    QFETCH(QString, lo);
    QFETCH(QString, ll);
    QFETCH(QString, item);
    QFETCH(int, refusedBox);

    Session s(QString{});
    s.form.setLoText(lo);
    s.form.setLlText(ll);
    const std::optional<Form1::Reading> refused = s.form.Command5_Click();
    QCOMPARE(refused ? int(*refused) : -1, refusedBox);
    QCOMPARE(s.state().List1[0], item.isEmpty() ? QStringList{} : QStringList{item});
    QCOMPARE(s.state().beeps, item.isEmpty() ? 1 : 0);
    QCOMPARE(s.state().sred1Caption, item); // an only item is its own mean
}

void TestReadings::refusalKeepsEverything()
{
    Session s("lo 1\nll 2\ncompute\nll 0\ncompute");
    QCOMPARE(s.state().List1[0], QStringList{"0,5"});
    QCOMPARE(s.state().sred1Caption, QStringLiteral("0,5"));
    QCOMPARE(s.state().llText, QStringLiteral("0"));
    QCOMPARE(s.state().beeps, 1);
}

void TestReadings::meanAfterEachAppend_data()
{
    QTest::addColumn<QStringList>("lo");
    QTest::addColumn<QStringList>("means");

    QTest::addRow("1, 1, 2") << QStringList{"1", "1", "2"} << QStringList{"1", "1", "1,333"};
    QTest::addRow("0,333, 0,333, 0,334")
        << QStringList{"0,333", "0,333", "0,334"} << QStringList{"0,333", "0,333", "0,333"};
    QTest::addRow("1,001 alone") << QStringList{"1,001"} << QStringList{"1,001"};
    QTest::addRow("same reading twice") << QStringList{"2", "2"} << QStringList{"2", "2"};
}

void TestReadings::meanAfterEachAppend()
{
    QFETCH(QStringList, lo);
    QFETCH(QStringList, means);
    QString script = QStringLiteral("ll 1\n");
    for (const QString &reading : lo)
        script += QStringLiteral("lo %1\ncompute\ndump\n").arg(reading);
    Session s(script);
    for (int i = 0; i < means.size(); ++i)
        QCOMPARE(s.at(i, "sred1").toString(), means[i]);
    QCOMPARE(s.state().List1[0], lo);
}

void TestReadings::clearEmptiesShownListOnly()
{
    Session s("lo 1\nll 2\ncompute\npick Ацетон\ncompute\ncompute\nclear\ndump\ncompute\n"
              "pick Ксилол");
    QCOMPARE(s.at(0, "sred1").toString(), QStringLiteral("0"));
    QCOMPARE(s.state().List1[1], QStringList{"0,5"});
    QCOMPARE(s.state().List1[0], QStringList{"0,5"}); // untouched by the clear
    QCOMPARE(s.state().loText, QStringLiteral("1"));  // the readings stay
    QCOMPARE(s.state().llText, QStringLiteral("2"));
}

void TestReadings::keyFilter_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("item");

    QTest::addRow("full stop under comma") << russian << "1.5"
                                           << "1,5"
                                           << "1,5";
    QTest::addRow("comma under comma") << russian << "1,5"
                                       << "1,5"
                                       << "1,5";
    QTest::addRow("comma under full stop") << english << "1,5"
                                           << "1.5"
                                           << "1.5";
    QTest::addRow("full stop under full stop") << english << "2.25"
                                               << "2.25"
                                               << "2.25";
    QTest::addRow("other keys pass") << russian << "-7e1"
                                     << "-7e1"
                                     << "-70";
}

void TestReadings::keyFilter()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, box);
    QFETCH(QString, item);
    Session s(readingsScript(typed, QStringLiteral("1")), locale);
    QCOMPARE(s.state().loText, box);
    QCOMPARE(s.state().List1[0], QStringList{item});
}

// Results near the top of the double range: every item stays a finite number
// and so does the mean; the compute that would break it is refused.
void TestReadings::hugeResultsNeverOverflowTheMean()
{
    Session s(readingsScript(QStringLiteral("1,7E+305"), QStringLiteral("1"), 1100));
    const QStringList &items = s.state().List1[0];
    QVERIFY(items.size() > 1000 && items.size() < 1100);
    QCOMPARE(s.state().beeps, 1100 - items.size());
    QVERIFY(NumberText::toNumber(s.state().sred1Caption, russian).has_value());
}

QTEST_APPLESS_MAIN(TestReadings)
#include "tst_readings.moc"
