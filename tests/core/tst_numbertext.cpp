// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as the student reads and types them, in a comma and a full-stop locale.
#include "measure/NumberText.h"

#include <QTest>
#include <cmath>
#include <limits>

using NumberText::fromNumber;
using NumberText::meanOf;
using NumberText::toNumber;
using NumberText::truncateToThousandths;

namespace {
const QLocale russian(QLocale::Russian, QLocale::Russia);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void textFormReadsBack();
    void truncation_data();
    void truncation();
    void mean_data();
    void mean();
};

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::addRow("comma") << russian << "1,5" << true << 1.5;
    QTest::addRow("blanks around") << russian << "  2,25 " << true << 2.25;
    QTest::addRow("negative") << russian << "-3" << true << -3.0;
    QTest::addRow("exponent") << russian << "1,5E3" << true << 1500.0;
    QTest::addRow("full stop under comma locale") << russian << "1.5" << false << 0.0;
    QTest::addRow("full stop locale") << english << "1.5" << true << 1.5;
    QTest::addRow("comma under full-stop locale") << english << "1,5" << false << 0.0;
    QTest::addRow("empty") << russian << "" << false << 0.0;
    QTest::addRow("blanks only") << russian << "   " << false << 0.0;
    QTest::addRow("letters") << russian << "abc" << false << 0.0;
    QTest::addRow("trailing letter") << russian << "2x" << false << 0.0;
    QTest::addRow("grouped thousands") << russian << "1 000" << false << 0.0;
    QTest::addRow("grouped, full-stop locale") << english << "1,000" << false << 0.0;
    QTest::addRow("inf") << russian << "inf" << false << 0.0;
    QTest::addRow("nan") << english << "nan" << false << 0.0;
    QTest::addRow("overflow") << russian << "1e400" << false << 0.0;
    QTest::addRow("underflow") << russian << "1e-400" << false << 0.0;
}

void TestNumberText::textToNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> number = toNumber(text, locale);
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*number, value);
}

void TestNumberText::numberToText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::addRow("half") << russian << 0.5 << "0,5";
    QTest::addRow("whole") << russian << 2.0 << "2";
    QTest::addRow("three decimals") << russian << 0.666 << "0,666";
    QTest::addRow("negative") << russian << -0.334 << "-0,334";
    QTest::addRow("negative zero") << russian << -0.0 << "0";
    QTest::addRow("no grouping") << russian << 1234567.5 << "1234567,5";
    QTest::addRow("below 10^15") << russian << 999999999999999.0 << "999999999999999";
    QTest::addRow("10^15") << russian << 1e15 << "1E+15";
    QTest::addRow("1.5 x 10^16") << russian << 1.5e16 << "1,5E+16";
    QTest::addRow("full-stop locale") << english << 1234.5 << "1234.5";
}

void TestNumberText::numberToText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(fromNumber(value, locale), text);
}

// Every result a list can hold converts back to the number it was written from.
void TestNumberText::textFormReadsBack()
{
    for (double value : {0.001, -0.334, 2.01, 1e14 + 0.125, 1.5e16, 1e300}) {
        const QString text = fromNumber(value, russian);
        QVERIFY2(toNumber(text, russian).has_value(), qPrintable(text));
        QCOMPARE(fromNumber(*toNumber(text, russian), russian), text);
    }
}

void TestNumberText::truncation_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("truncated");

    QTest::addRow("2/3 truncates, not rounds") << 2.0 / 3.0 << 0.666;
    QTest::addRow("2.01 keeps its last digit") << 2.01 << 2.01;
    QTest::addRow("1.001 keeps its last digit") << 1.001 << 1.001;
    QTest::addRow("1.0015 drops the half") << 1.0015 << 1.001;
    QTest::addRow("-1/3 goes down") << -1.0 / 3.0 << -0.334;
    QTest::addRow("4/3") << 4.0 / 3.0 << 1.333;
    QTest::addRow("whole") << 7.0 << 7.0;
    QTest::addRow("tiny positive") << 1e-9 << 0.0;
    QTest::addRow("tiny negative") << -1e-9 << -0.001;
    QTest::addRow("large") << 123456789.98765 << 123456789.987;
}

void TestNumberText::truncation()
{
    QFETCH(double, value);
    QFETCH(double, truncated);
    QCOMPARE(truncateToThousandths(value), truncated);
}

void TestNumberText::mean_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("mean"); // empty: no mean

    QTest::addRow("empty list") << QStringList{} << "";
    QTest::addRow("one item") << QStringList{"0,5"} << "0,5";
    QTest::addRow("1, 1, 2 truncates") << QStringList{"1", "1", "2"} << "1,333";
    QTest::addRow("1 and 2") << QStringList{"1", "2"} << "1,5";
    QTest::addRow("0,333 0,333 0,334") << QStringList{"0,333", "0,333", "0,334"} << "0,333";
    QTest::addRow("1,001 alone") << QStringList{"1,001"} << "1,001";
    QTest::addRow("a stray item counts as 0") << QStringList{"3", "x"} << "1,5";
    QTest::addRow("sum overflows") << QStringList{"1E+308", "1E+308"} << "";
}

void TestNumberText::mean()
{
    QFETCH(QStringList, items);
    QFETCH(QString, mean);
    const std::optional<double> m = meanOf(items, russian);
    QCOMPARE(m ? fromNumber(*m, russian) : QString(), mean);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
