// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random clicks, menu commands, picks and key presses on the real main window
// with the real host, flows and nesting included, ending with the window
// closed in the middle of a flow. Nothing may crash, hang or leave a flow
// running. TALVEN_MONKEY_SEED=N picks another sequence.
#include "widgets/ProgramFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTimer>

namespace {
constexpr int actionCount = 1000;
constexpr int batchSize = 10; // actions pending at once, as between two ticks
constexpr int watchdogMs = 240'000;
} // namespace

class TestWidgetMonkey : public QObject, ProgramFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void randomInput();

private:
    void randomAction();
    void nextBatch();

    QRandomGenerator m_random;
    int m_done = 0;
    bool m_finished = false;
};

void TestWidgetMonkey::randomAction()
{
    static const char *const buttons[] = {"Command1", "Command3",  "Command2", "Command4",
                                          "Command9", "Command10", "Command5", "Command6",
                                          "Command2", "Command4"};
    static const char *const actions[] = {"реверс", "teoria", "tabliza", "опрогр"};
    static const char *const texts[] = {"1.5", "180", "75", "0", "x", "", "-2,5", "1e400"};
    const int roll = m_random.bounded(100);
    if (roll < 60) {
        click(buttons[m_random.bounded(int(std::size(buttons)))]);
    } else if (roll < 68) {
        const char *name = actions[m_random.bounded(int(std::size(actions)))];
        m_program->window().findChild<QAction *>(QString::fromUtf8(name))->trigger();
    } else if (roll < 80) {
        QComboBox *combo = child<QComboBox>("Combo1");
        QTest::keyClick(combo, m_random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
    } else if (roll < 84) {
        typeText(child<QComboBox>("Combo1")->lineEdit(), QStringLiteral("Кр"));
    } else if (roll < 96) {
        QLineEdit *box = child<QLineEdit>(m_random.bounded(2) ? "lo" : "ll");
        box->selectAll();
        QTest::keyClicks(box, texts[m_random.bounded(int(std::size(texts)))]);
    } else {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &m_program->window(),
                        m_random.bounded(2) ? Qt::Key_Tab : Qt::Key_Return);
    }
}

// Each batch schedules the next one before it runs, so that batches keep
// coming while a click runs a flow in its own event processing.
void TestWidgetMonkey::nextBatch()
{
    if (m_done >= actionCount) {
        // End in the middle of a flow: fill the water tube and open the tap.
        QTimer::singleShot(300, [this] {
            QVERIFY(m_program->form().invocations() > 0);
            m_program->window().close();
            m_finished = true;
        });
        click("Command2");
        click("Command2");
        if (child<QPushButton>("Command1")->isEnabled())
            click("Command1");
        return;
    }
    QTimer::singleShot(m_random.bounded(1, 20), [this] { nextBatch(); });
    for (int i = 0; i < batchSize && m_done < actionCount; ++i, ++m_done)
        randomAction();
}

void TestWidgetMonkey::randomInput()
{
    bool fromEnvironment = false;
    const int seed = qEnvironmentVariableIntValue("TALVEN_MONKEY_SEED", &fromEnvironment);
    m_random.seed(fromEnvironment ? quint32(seed) : 1206u);
    QVERIFY(startProgram());
    m_program->setAboutHold([] {}); // the about window stands for no time here
    QTimer::singleShot(0, [this] { nextBatch(); });
    QTRY_VERIFY_WITH_TIMEOUT(m_finished, watchdogMs);
    QTRY_COMPARE(m_program->form().invocations(), 0);
    QVERIFY(!m_program->window().isVisible());
    stopProgram();
}

QTEST_MAIN(TestWidgetMonkey)
#include "tst_widgetmonkey.moc"
