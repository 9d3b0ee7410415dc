// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window offscreen: real clicks, picks and key presses, and what the
// apparatus view paints.
#include "widgets/ProgramFixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject, ProgramFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithXyleneShown();
    void pickByMouseRunsSelection();
    void pickByKeyboardRunsSelection();
    void typingRunsNothing();
    void columnTakesLiquidColour_data();
    void columnTakesLiquidColour();
    void vesselOutlineOverCollectedLiquid();
    void standInFrontOfTable();

    void typedFullStopBecomesComma();
    void pastedFullStopStays();
    void refusedComputeFocusesBox_data();
    void refusedComputeFocusesBox();
    void resultLandsInShownList();

    void tapOpensAndCloses();
    void closingWindowEndsFlow_data();
    void closingWindowEndsFlow();
    void programExitsCleanlyMidFlow();
};

void TestMainWindow::initTestCase()
{
    setUpApplication();
}

void TestMainWindow::init()
{
    QVERIFY(startProgram());
}

void TestMainWindow::cleanup()
{
    stopProgram();
}

void TestMainWindow::startsWithXyleneShown()
{
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("Ксилол"));
    QCOMPARE(child<QLabel>("Label18")->text(), QStringLiteral("Ксилол"));
    QVERIFY(child<QListWidget>("List1_0")->isVisible());
    QVERIFY(!child<QListWidget>("List1_4")->isVisible());
}

void TestMainWindow::pickByMouseRunsSelection()
{
    QComboBox *combo = child<QComboBox>("Combo1");
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex acetone = list->model()->index(0, 0); // first in the list, index 1
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(acetone).center());
    QTRY_COMPARE(m_program->form().state().zhidkost, 1);
    QCOMPARE(child<QLabel>("Label18")->text(), QStringLiteral("Ацетон"));
    QCOMPARE(child<QLabel>("sred1")->text(), QStringLiteral("0"));
    QVERIFY(child<QListWidget>("List1_1")->isVisible());
    QVERIFY(!child<QListWidget>("List1_0")->isVisible());
}

void TestMainWindow::pickByKeyboardRunsSelection()
{
    QComboBox *combo = child<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // Ксилол, then Плазма
    QCOMPARE(m_program->form().state().zhidkost, 4);
    QCOMPARE(child<QLabel>("Label18")->text(), QStringLiteral("Плазма"));
    QVERIFY(child<QListWidget>("List1_4")->isVisible());
}

void TestMainWindow::typingRunsNothing()
{
    QComboBox *combo = child<QComboBox>("Combo1");
    combo->lineEdit()->selectAll();
    typeText(combo->lineEdit(), QStringLiteral("Ацетон"));
    QCOMPARE(m_program->form().state().Combo1Text, QStringLiteral("Ацетон"));
    QCOMPARE(m_program->form().state().zhidkost, 0);
    QCOMPARE(child<QLabel>("Label18")->text(), QStringLiteral("Ксилол"));
}

void TestMainWindow::columnTakesLiquidColour_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addRow("ratio 1") << 1.0;
    QTest::addRow("ratio 2") << 2.0;
}

void TestMainWindow::columnTakesLiquidColour()
{
    QFETCH(qreal, ratio);
    QComboBox *combo = child<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // Плазма
    click("Command4");
    click("Command4"); // the right column: 415 twips, top at 3440
    ApparatusView *view = m_program->window().apparatus();
    // Inside the column, away from ticks and border: x 1440, y 3600 twips.
    QCOMPARE(pixel(view, {96, 240}, ratio), twipsColour(0x0000C0C0));
    // Above its top edge the tube is empty.
    QCOMPARE(pixel(view, {96, 220}, ratio), view->palette().color(QPalette::Window));
}

void TestMainWindow::vesselOutlineOverCollectedLiquid()
{
    click("Command2");
    click("Command9"); // shows the collected liquid
    ApparatusView *view = m_program->window().apparatus();
    for (qreal ratio : {1.0, 2.0}) {
        // The vessel's 3-pixel left wall at x 32..34 crosses strui3 (y 400..407).
        QCOMPARE(pixel(view, {33, 403}, ratio), twipsColour(0x00404040));
        QCOMPARE(pixel(view, {60, 403}, ratio), twipsColour(0x00FFC0C0));
    }
}

void TestMainWindow::standInFrontOfTable()
{
    ApparatusView *view = m_program->window().apparatus();
    for (qreal ratio : {1.0, 2.0}) {
        const QColor rod = pixel(view, {75, 380}, ratio); // rod over the table top
        QVERIFY2(qAbs(rod.red() - rod.blue()) < 20, qPrintable(rod.name()));
        const QColor table = pixel(view, {200, 385}, ratio); // bare wood
        QVERIFY2(table.red() > table.blue() + 60, qPrintable(table.name()));
    }
}

void TestMainWindow::typedFullStopBecomesComma()
{
    QLineEdit *lo = child<QLineEdit>("lo");
    QTest::keyClicks(lo, "1.5");
    QCOMPARE(lo->text(), QStringLiteral("1,5"));
    QCOMPARE(m_program->form().state().loText, QStringLiteral("1,5"));
}

void TestMainWindow::pastedFullStopStays()
{
    QLineEdit *ll = child<QLineEdit>("ll");
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
    QTest::keyClick(ll, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ll->text(), QStringLiteral("1.5"));
    QCOMPARE(m_program->form().state().llText, QStringLiteral("1.5"));
}

void TestMainWindow::refusedComputeFocusesBox_data()
{
    QTest::addColumn<QString>("lo");
    QTest::addColumn<QString>("ll");
    QTest::addColumn<QString>("focused");
    QTest::addRow("l' zero") << "1"
                             << "0"
                             << "ll";
    QTest::addRow("l0 not a number") << "x"
                                     << "0"
                                     << "lo";
    QTest::addRow("l0 empty") << ""
                              << "2"
                              << "lo";
}

void TestMainWindow::refusedComputeFocusesBox()
{
    QFETCH(QString, lo);
    QFETCH(QString, ll);
    QFETCH(QString, focused);
    QMainWindow &window = m_program->window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(child<QLineEdit>("lo"), lo);
    QTest::keyClicks(child<QLineEdit>("ll"), ll);
    click("Command5");
    QCOMPARE(m_program->form().state().beeps, 1);
    QCOMPARE(child<QListWidget>("List1_0")->count(), 0);
    QCOMPARE(child<QLabel>("sred1")->text(), QString());
    QLineEdit *box = child<QLineEdit>(qPrintable(focused));
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), box->text());
}

void TestMainWindow::resultLandsInShownList()
{
    QComboBox *combo = child<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // Плазма
    QTest::keyClicks(child<QLineEdit>("lo"), "180");
    QTest::keyClicks(child<QLineEdit>("ll"), "75");
    click("Command5");
    QListWidget *plasma = child<QListWidget>("List1_4");
    QVERIFY(plasma->isVisible());
    QCOMPARE(plasma->count(), 1);
    QCOMPARE(plasma->item(0)->text(), QStringLiteral("2,4"));
    QCOMPARE(child<QLabel>("sred1")->text(), QStringLiteral("2,4"));
    QCOMPARE(child<QListWidget>("List1_0")->count(), 0);
    click("Command6");
    QCOMPARE(plasma->count(), 0);
    QCOMPARE(child<QLabel>("sred1")->text(), QStringLiteral("0"));
}

// Real clicks with the real host: the flow runs inside the click on
// "Открыть кран", so what happens meanwhile is scheduled on timers first.
void TestMainWindow::tapOpensAndCloses()
{
    for (const char *button : {"Command2", "Command2", "Command4", "Command4"})
        click(button);
    const Scene &scene = m_program->form().state().scene;
    float atOneSecond = 0, atClose = 0, later = 0;
    QTimer::singleShot(1000, [&] {
        atOneSecond = scene.voda1().height;
        click("Command3");
        atClose = scene.voda1().height;
    });
    QTimer::singleShot(1600, [&] {
        later = scene.voda1().height;
        m_program->window().close();
    });
    click("Command1"); // returns when the window closes
    QVERIFY2(atOneSecond < 415 && atOneSecond > 415 - 8 * 30,
             qPrintable(QString::number(atOneSecond)));
    QVERIFY(scene.voda2().height < 415);
    QCOMPARE(later, atClose); // held: nothing moves
    QCOMPARE(m_program->form().invocations(), 0);
}

void TestMainWindow::closingWindowEndsFlow_data()
{
    QTest::addColumn<QString>("during");
    QTest::addRow("flow") << "flow";
    QTest::addRow("held") << "held";
    QTest::addRow("nested") << "nested";
}

// Every invocation ends and leaves the apparatus as the window last showed it.
void TestMainWindow::closingWindowEndsFlow()
{
    QFETCH(QString, during);
    for (const char *button : {"Command2", "Command2", "Command2"})
        click(button);
    Form1 &form = m_program->form();
    int depth = 0;
    if (during == QLatin1String("held"))
        QTimer::singleShot(200, [&] { click("Command3"); });
    if (during == QLatin1String("nested"))
        QTimer::singleShot(200, [&] { click("Command4"); });
    float heightAtClose = 0;
    QTimer::singleShot(500, [&] {
        depth = form.invocations();
        heightAtClose = form.state().scene.voda1().height;
        m_program->window().close();
    });
    click("Command1");
    QCOMPARE(depth, during == QLatin1String("nested") ? 2 : 1);
    QCOMPARE(form.invocations(), 0);
    QCOMPARE(form.state().scene.voda1().height, heightAtClose);
}

void TestMainWindow::programExitsCleanlyMidFlow()
{
    click("Command2");
    click("Command2");
    QTimer::singleShot(0, [&] { click("Command1"); });
    QTimer::singleShot(400, [&] { m_program->window().close(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(m_program->form().invocations(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
