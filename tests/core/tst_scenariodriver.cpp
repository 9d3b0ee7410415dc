// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-scenario as a user runs it: a script in, one JSON line per dump out.
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

namespace {

struct Run {
    int status;
    QByteArray out, err;
};

Run runDriver(const QByteArray &script, bool fromFile = false)
{
    QProcess driver;
    QTemporaryFile file;
    QStringList arguments;
    if (fromFile) {
        if (!file.open())
            qFatal("cannot write a temporary script");
        file.write(script);
        file.close();
        arguments << file.fileName();
    }
    driver.start(QStringLiteral(SCENARIO_DRIVER), arguments);
    if (!fromFile)
        driver.write(script);
    driver.closeWriteChannel();
    if (!driver.waitForFinished(60000))
        qFatal("talven-scenario did not finish");
    return {driver.exitCode(), driver.readAllStandardOutput(), driver.readAllStandardError()};
}

const QByteArray freshDump =
    R"({"voda1":{"top":3840,"height":15},)"
    R"("voda2":{"top":3840,"height":15,"fill":"0x00FFC0C0","border":"windowtext"},)"
    R"("strui1":{"visible":false},)"
    R"("strui2":{"visible":false,"fill":"0x00FFC0C0","border":"0x00FFC0C0"},)"
    R"("strui3":{"top":6000,"height":105,"visible":false,"fill":"0x00FFC0C0","border":"0x00FFC0C0"},)"
    R"("Command1":true,"Command3":false,"cycles":0,)"
    "\"Combo1\":\"Ксилол\",\"zhidkost\":0,\"Label18\":\"Ксилол\","
    R"("List1":[[],[],[],[],[],[],[]],"shown":0,"sred1":"",)"
    "\"lo\":\"\",\"ll\":\"\",\"реверс\":false,"
    R"("Label1":["0","1","2","3","4","5"],"Label2":["0","1","2","3","4","5"],)"
    R"("beeps":0})"
    "\n";

} // namespace

class TestScenarioDriver : public QObject
{
    Q_OBJECT
private slots:
    void freshStartFromFileAndStdin();
    void skipsCommentsAndBlankLines();
    void unknownLineStopsWithStatus2_data();
    void unknownLineStopsWithStatus2();
    void typedTextIsEscaped();
    void emptyScriptPrintsNothing();
};

void TestScenarioDriver::freshStartFromFileAndStdin()
{
    for (bool fromFile : {true, false}) {
        const Run run = runDriver("dump\n", fromFile);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, freshDump);
    }
}

void TestScenarioDriver::skipsCommentsAndBlankLines()
{
    const Run run = runDriver("# a teacher's note\n\n   \ndump\r\n# pick Плазма\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, freshDump);
}

void TestScenarioDriver::unknownLineStopsWithStatus2_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QByteArray>("lineNumber");
    QTest::addColumn<int>("dumpsBefore");

    QTest::addRow("unknown word") << QByteArray("dump\njump\ndump\n") << QByteArray("line 2") << 1;
    QTest::addRow("fill without side") << QByteArray("fill\n") << QByteArray("line 1") << 0;
    QTest::addRow("pick without blank") << QByteArray("pickПлазма\n") << QByteArray("line 1") << 0;
    QTest::addRow("tick zero") << QByteArray("\n\ntick 0\n") << QByteArray("line 3") << 0;
    QTest::addRow("tick with sign") << QByteArray("tick +2\n") << QByteArray("line 1") << 0;
    QTest::addRow("dump with text") << QByteArray("dump now\n") << QByteArray("line 1") << 0;
}

void TestScenarioDriver::unknownLineStopsWithStatus2()
{
    QFETCH(QByteArray, script);
    QFETCH(QByteArray, lineNumber);
    QFETCH(int, dumpsBefore);
    const Run run = runDriver(script);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(lineNumber), run.err.constData());
    QCOMPARE(run.out.count('\n'), dumpsBefore);
}

void TestScenarioDriver::typedTextIsEscaped()
{
    const Run run = runDriver("type say \"hi\"\\\tnow\ndump\n");
    QCOMPARE(run.status, 0);
    const QByteArray escaped = "\"Combo1\":\"say \\\"hi\\\"\\\\\\u0009now\"";
    QVERIFY2(run.out.contains(escaped), run.out.constData());
}

void TestScenarioDriver::emptyScriptPrintsNothing()
{
    const Run run = runDriver("");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
}

QTEST_GUILESS_MAIN(TestScenarioDriver)
#include "tst_scenariodriver.moc"
