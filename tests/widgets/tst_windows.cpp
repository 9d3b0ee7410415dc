// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The finished main window: menu, scale reversal, keyboard, layout and
// accessibility; the about window and the table window.
#include "ui/TableWindow.h"
#include "widgets/ProgramFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

QStringList captions(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *a : actions)
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

QString withoutAccessKeys(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

class TestWindows : public QObject, ProgramFixture
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void init() { QVERIFY(startProgram()); }
    void cleanup() { stopProgram(); }

    void windowIsFixed();
    void menuTree();
    void reversalRenumbersBothScales();
    void reversalDuringFlow();
    void reversedNumberStandsBesideItsTick();
    void tabOrder();
    void enterOpensTap();
    void keyboardRunsExercise();
    void captionsFitTheirBoxes();
    void everyControlHasAccessibleName();
    void aboutWindowHoldsThenCloses();
    void aboutWindowHoldsFiveSeconds();
    void tableWindowStandsBesideMainWindow();

private:
    QAction *action(const char *name)
    {
        auto *a = m_program->window().findChild<QAction *>(QString::fromUtf8(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
    QStringList scale(bool left) const
    {
        QStringList list;
        const Scene &scene = m_program->form().state().scene;
        for (int mark = 0; mark < Scene::scaleMarks; ++mark)
            list << (left ? scene.Label1(mark) : scene.Label2(mark)).caption;
        return list;
    }
    void activate()
    {
        m_program->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_program->window()));
    }
};

void TestWindows::windowIsFixed()
{
    QMainWindow &window = m_program->window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Тальвен (интерактивная лабораторная работа)"));
    QCOMPARE(window.centralWidget()->size(), QSize(531, 414)); // 7965 x 6210 twips
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!window.windowIcon().isNull());
}

void TestWindows::menuTree()
{
    const QList<QAction *> bar = m_program->window().menuBar()->actions();
    QCOMPARE(captions(bar), QStringList{"&Меню"});
    QMenu *menu = bar.first()->menu();
    QCOMPARE(captions(menu->actions()),
             (QStringList{"&Сервис", "&Теория", "&Т&аблица вязкостей", "-", "&О программе..."}));
    QCOMPARE(captions(menu->actions().first()->menu()->actions()), QStringList{"&Реверс шкалы"});
    for (QAction *a : menu->actions() + menu->actions().first()->menu()->actions()) {
        QVERIFY(a->isEnabled() && a->isVisible() && !a->isChecked());
        QVERIFY(a->shortcut().isEmpty());
    }
    // "Теория" and "Таблица вязкостей" do nothing: no window opens.
    const int windows = QApplication::topLevelWidgets().size();
    action("teoria")->trigger();
    action("tabliza")->trigger();
    QApplication::processEvents();
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void TestWindows::reversalRenumbersBothScales()
{
    QAction *reverse = action("реверс");
    reverse->trigger();
    QVERIFY(reverse->isChecked());
    QCOMPARE(scale(true), (QStringList{"5", "4", "3", "2", "1", "0"}));
    QCOMPARE(scale(false), scale(true));
    // Colours stay with the positions: mark 0 keeps dark red, whatever it reads.
    QCOMPARE(m_program->form().state().scene.Label1(0).fore, Colours::darkRed);
    reverse->trigger();
    QVERIFY(!reverse->isChecked());
    QCOMPARE(scale(true), (QStringList{"0", "1", "2", "3", "4", "5"}));
    QCOMPARE(scale(false), scale(true));
}

void TestWindows::reversalDuringFlow()
{
    for (const char *button : {"Command2", "Command2", "Command2"})
        click(button);
    float before = 0, after = 0;
    bool checked = false;
    QTimer::singleShot(300, [&] {
        before = m_program->form().state().scene.voda1().height;
        action("реверс")->trigger();
        checked = action("реверс")->isChecked();
    });
    QTimer::singleShot(800, [&] {
        after = m_program->form().state().scene.voda1().height;
        m_program->window().close();
    });
    click("Command1");
    QVERIFY(checked);
    QCOMPARE(scale(true).first(), QStringLiteral("5"));
    QVERIFY(after < before); // the liquid kept moving
}

// After reversal the bottom mark reads "5", drawn as the top mark's "5" was.
void TestWindows::reversedNumberStandsBesideItsTick()
{
    ApparatusView *view = m_program->window().apparatus();
    const auto numberAt = [view](int mark) {
        const QRect box(32, (3720 - 600 * mark) / 15, 8, 13); // Label1(mark): 480 twips in
        return view->grab(box).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage fiveAtTop = numberAt(5), zeroAtBottom = numberAt(0);
    action("реверс")->trigger();
    QCOMPARE(numberAt(0), fiveAtTop);
    QCOMPARE(numberAt(5), zeroAtBottom);
    QVERIFY(numberAt(0) != zeroAtBottom);
}

void TestWindows::tabOrder()
{
    activate();
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>("Command1"));
    const QStringList expected = {"Combo1",   "Text3",   "Command9", "Command4", "Command10",
                                  "lo",       "ll",      "Command5", "Command6", "List1_0",
                                  "Command2", "Command1"}; // Command3 is disabled
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // The editable selector's field takes the focus for the selector.
        while (focus && !focus->parentWidget()->inherits("QMainWindow") &&
               focus->objectName().isEmpty())
            focus = focus->parentWidget();
        QCOMPARE(focus ? focus->objectName() : QString(), name);
    }
}

void TestWindows::enterOpensTap()
{
    activate();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // Both tubes empty: the tap opens with a beep and one pass of the cycle.
    QTRY_COMPARE(m_program->form().state().beeps, 1);
    QVERIFY(!child<QPushButton>("Command1")->isEnabled());
    QTRY_COMPARE(m_program->form().invocations(), 0);
}

// Access keys and the selector's arrows, no mouse: fill, pick, read, compute.
void TestWindows::keyboardRunsExercise()
{
    activate();
    QWidget *window = &m_program->window();
    QTest::keyClick(window, Qt::Key_Tab);                     // Combo1
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // Ксилол -> Кровь (муж.)
    QCOMPARE(m_program->form().state().zhidkost, 6);
    child<QPushButton>("Command4")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_program->form().state().scene.voda2().height, 215.0f);
    child<QLineEdit>("lo")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "1.22");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    // Alt+П: "&Подсчитать вязкость >"
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key(u'П'), QStringLiteral("п"), Qt::AltModifier);
    QTRY_COMPARE(child<QListWidget>("List1_6")->count(), 1);
    QCOMPARE(child<QListWidget>("List1_6")->item(0)->text(), QStringLiteral("1,22"));
}

// At 96 dpi with the stand-in fonts, no caption is cut off.
void TestWindows::captionsFitTheirBoxes()
{
    QWidget *window = &m_program->window();
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        const int text = b->fontMetrics().horizontalAdvance(withoutAccessKeys(b->text()));
        QVERIFY2(text + 8 <= b->width(), qPrintable(b->objectName()));
    }
    for (QLabel *l : window->findChildren<QLabel *>()) {
        const QRect needed = l->fontMetrics().boundingRect(
            l->contentsRect(), int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0),
            l->text());
        QVERIFY2(needed.width() <= l->width() && needed.height() <= l->height(),
                 qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
    }
    for (QGroupBox *g : window->findChildren<QGroupBox *>())
        QVERIFY(g->fontMetrics().horizontalAdvance(withoutAccessKeys(g->title())) < g->width());
    QComboBox *combo = child<QComboBox>("Combo1");
    for (int i = 0; i < combo->count(); ++i)
        QVERIFY(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 30 <= combo->width());
    QLineEdit *water = child<QLineEdit>("Text3");
    QVERIFY(water->fontMetrics().horizontalAdvance(water->text()) + 8 <= water->width());
}

void TestWindows::everyControlHasAccessibleName()
{
    QWidget *window = &m_program->window();
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->focusPolicy() != Qt::NoFocus && !w->objectName().isEmpty() &&
            w->objectName() != QLatin1String("centralwidget"))
            controls << w;
    }
    controls << m_program->window().apparatus();
    QVERIFY(controls.size() > 15);
    for (QWidget *w : controls) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        QVERIFY(face);
        QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>("lo"))->text(QAccessible::Name),
             QStringLiteral("l o ="));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(child<QWidget>("List1_4"))->text(QAccessible::Name),
        QStringLiteral("Результаты: Плазма"));
}

// The hold is replaced by a look at the window while it stands.
void TestWindows::aboutWindowHoldsThenCloses()
{
    for (int showing = 0; showing < 2; ++showing) { // every showing starts afresh
        int holds = 0;
        QPointer<QWidget> about;
        QSize size;
        bool frameless = false, centred = false;
        Qt::CursorShape pointer = Qt::ArrowCursor;
        m_program->setAboutHold([&] {
            ++holds;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("Form2") && w->isVisible())
                    about = w;
            }
            if (!about)
                return;
            size = about->size();
            frameless = about->windowFlags() & Qt::FramelessWindowHint;
            pointer = about->cursor().shape();
            const QPoint middle = about->screen()->availableGeometry().center();
            centred = (about->frameGeometry().center() - middle).manhattanLength() <= 2;
        });
        action("опрогр")->trigger();
        QTRY_COMPARE(holds, 1);
        QCOMPARE(size, QSize(413, 228)); // 6195 x 3420 twips
        QVERIFY(frameless);
        QCOMPARE(pointer, Qt::WaitCursor);
        QVERIFY(centred);
        QTRY_VERIFY(!about); // closed and deleted
        QVERIFY(m_program->window().isVisible());
    }
}

void TestWindows::aboutWindowHoldsFiveSeconds()
{
    QElapsedTimer clock;
    clock.start();
    AboutWindow::holdFiveSeconds();
    QVERIFY(clock.elapsed() >= 5000);
}

void TestWindows::tableWindowStandsBesideMainWindow()
{
    QWidget main;
    main.setGeometry(80, 60, 540, 300); // Left 1200, Top 900, width 8100 twips
    TableWindow table(main);
    QCOMPARE(table.pos(), QPoint(main.frameGeometry().right() + 1, main.frameGeometry().top()));
    QCOMPARE(table.pos().y(), 60);
    QCOMPARE(table.pos().x(), 80 + main.frameGeometry().width()); // 9300 twips without a frame
    QCOMPARE(table.windowTitle(), QStringLiteral("Таблица вязкостей"));
    QCOMPARE(table.size(), QSize(206, 158)); // 3090 x 2370 twips
    QVERIFY(table.windowFlags() & Qt::Tool);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
