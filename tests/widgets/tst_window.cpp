// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a student meets it on a real X server under a window
// manager: what the screen shows, the keyboard, the about window, the dark
// scheme and the screen reader.
#include "scene/Geometry.h"
#include "scene/Scene.h"
#include "sim/Apparatus.h"
#include "sim/Exercise.h"
#include "tests/widgets/Window.h"
#include "ui/ApparatusView.h"
#include "ui/Drawings.h"
#include "ui/Flash.h"
#include "ui/TableWindow.h"
#include "ui/Translation.h"
#include "ui/WindowSystemWait.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QResource>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>
#include <QtMath>
#include <csignal>
#include <memory>
#include <thread>

namespace {
// The window's title as the window system holds it.
QString titleOnServer(const QWidget &window)
{
    QProcess xprop;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // else octal escapes
    xprop.setProcessEnvironment(environment);
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    xprop.waitForFinished();
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    return line.section(u'"', 1, -2);
}

// The catalogue index of the liquid whose id is `id`.
int liquidIndex(const char *id)
{
    for (int i = 0; i < Liquids::count; ++i)
        if (Liquids::catalogue[i].id == QLatin1StringView(id))
            return i;
    qFatal("no liquid %s", id);
}

double luminance(QColor c)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void languageFollowsTheDesktop();
    void init();
    void cleanup();
    void startsFromRenderedDrawings(); // first: no other test has loaded a plugin yet
    void pictures_data();
    void pictures();
    void tickRepaintsOnlyTheLiquid();
    void aboutStandsWhileFlowing();
    void captionAndCentre();
    void keyboard();
    void accessKeys();
    void focusIsVisible();
    void apparatusTakesTheFocus();
    void refusalIsSeen();
    void darkScheme();
    void screenReader();
    void tickWaitServesOnlyTheWindowSystem();
    void typedTextOnlySteers();
    void inputInTheHoldIsDropped();
    void resultsList();
    void controlsAreWhole();
    void captionsFit();

private:
    void start();
    template <typename T = QPushButton> T *child(const char *name)
    {
        T *w = m_program->mainWindow().findChild<T *>(QString::fromUtf8(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    void click(const char *button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(child(button), Qt::LeftButton);
    }
    // Runs the flow from "Открыть кран" until `ticks` tick waits have begun.
    void flow(int ticks)
    {
        m_host->onTickWait = [this, ticks](int n) {
            if (n == ticks)
                m_program->mainWindow().close();
        };
        click("openTapButton");
    }
    // The name the selector shows for the liquid of catalogue index `liquid`.
    QString shownName(int liquid) { return m_program->exercise().liquidNames()[liquid]; }
    void pick(int liquid) { pick(shownName(liquid)); }
    void pick(const QString &liquid)
    {
        auto *combo = child<QComboBox>("liquidSelector");
        const int index = combo->findText(liquid);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Runs xdotool with ARGS, the pointer first moved to the middle of AT.
    static void xdo(QStringList args, const QWidget *at = nullptr)
    {
        if (at) {
            const QPoint p = at->mapToGlobal(at->rect().center());
            args = QStringList{QStringLiteral("mousemove"), QString::number(p.x()),
                               QString::number(p.y())} +
                   args;
        }
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), args), 0);
    }

    std::unique_ptr<Translation> m_translation;
    bool m_english = false; // the desktop's languages ask for English (LANGUAGE=en)
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<Program> m_program;
};

// The language as the program chooses it, with its numbers.
void TestWindow::initTestCase()
{
    const auto language = Translation::choose(QLocale::system().uiLanguages());
    m_english = language == Translation::Language::English;
    m_translation = std::make_unique<Translation>(language);
    m_translation->install();
}

// English where the desktop's list names it before Russian; the designed
// Russian for every other list, C and none included.
void TestWindow::languageFollowsTheDesktop()
{
    using L = Translation::Language;
    const auto choose = [](const char *tags) {
        return Translation::choose(QString::fromLatin1(tags).split(u':', Qt::SkipEmptyParts));
    };
    QCOMPARE(choose(""), L::Russian);
    QCOMPARE(choose("C"), L::Russian);
    QCOMPARE(choose("kk-KZ:de-DE"), L::Russian);
    QCOMPARE(choose("ru-RU:en-US"), L::Russian);
    QCOMPARE(choose("de:en-GB:ru"), L::English);
    QCOMPARE(choose("en"), L::English);
}

void TestWindow::init()
{
    start();
}

void TestWindow::start()
{
    m_program.reset();
    m_host = std::make_unique<TestHost>();
    m_program = std::make_unique<Program>(
        *m_host, m_english ? QLocale(QLocale::English, QLocale::UnitedStates)
                           : QLocale(QLocale::Russian, QLocale::Russia));
    m_program->showMainWindow();
    // A window manager that has just started may not focus a new window by itself.
    constexpr int patience = 30'000; // ms: a loaded machine maps windows slowly
    QVERIFY(QTest::qWaitForWindowExposed(&m_program->mainWindow(), patience));
    m_program->mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_program->mainWindow(), patience));
}

void TestWindow::cleanup()
{
    m_program.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
}

// The window starts from what the build rendered, without an image format
// plugin, and the build's rendering is the drawing's.
void TestWindow::startsFromRenderedDrawings()
{
    m_program->mainWindow().repaint();
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("/imageformats/"));
    for (const Drawings::Order &order : Drawings::atStart()) {
        QVERIFY2(QResource(Drawings::builtName(order.file)).size() > 0, qPrintable(order.file));
        QCOMPARE(Drawings::image(order.file, order.pixels),
                 Drawings::render(order.file, order.pixels));
    }
    // The frames drawn from Fusion's picture read as PNG are Fusion's own.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    const auto frame = [](QStyle *style) {
        QGroupBox box(QStringLiteral("Левый сосуд"));
        box.setStyle(style ? style : box.style());
        box.resize(190, 120);
        return box.grab().toImage();
    };
    QCOMPARE(frame(nullptr), frame(fusion.get()));
}

void TestWindow::pictures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("start") << "start";
    QTest::newRow("flowing") << "flowing";
    QTest::newRow("stopped") << "stopped";
    QTest::newRow("reversed") << "reversed";
    QTest::newRow("table") << "table"; // designed, never shown by the program
}

// The window's own repaint, read from the screen: at start, after six ticks
// of plasma from 815 twips, once the tap is closed after them and the water
// lowered, and with the scales reversed.
void TestWindow::pictures()
{
    QFETCH(QString, picture);
    QWidget &window = m_program->mainWindow();
    QImage shown;
    if (picture == QLatin1String("flowing") || picture == QLatin1String("stopped")) {
        pick(liquidIndex("plasma"));
        click("fillWaterButton", 4);
        click("fillLiquidButton", 4);
        const bool flowing = picture == QLatin1String("flowing");
        m_host->onTickWait = [&](int n) {
            if (n == 7 && flowing) { // the screen shows six steps
                shown = onScreen(&window);
                window.close();
            } else if (n == 6 && !flowing) {
                // After six steps the student closes the tap and drains the
                // water: no stream, no stale column top.
                QTimer::singleShot(0, &window, [&] {
                    click("closeTapButton");
                    click("drainWaterButton");
                    QTimer::singleShot(100, &window, [&] {
                        shown = onScreen(&window);
                        window.close();
                    });
                });
            }
        };
        click("openTapButton");
    } else if (picture == QLatin1String("table")) {
        TableWindow table(window);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table, 30'000));
        QTest::qWait(100);
        shown = onScreen(&table);
    } else {
        if (picture == QLatin1String("reversed")) { // with female blood's red film in the tube
            pick(liquidIndex("female-blood"));
            child<QLineEdit>("waterReadingBox")
                ->setText(QStringLiteral("180")); // and a result in the list
            child<QLineEdit>("liquidReadingBox")
                ->setText(m_program->exercise().locale().toString(7.5));
            click("computeButton");
            m_program->mainWindow()
                .findChild<QAction *>(QStringLiteral("reverseScaleAction"))
                ->trigger();
        }
        QTest::qWait(100);
        shown = onScreen(&window);
    }
    // At 125 and 200 % the pictures show what rounds away at 100 %.
    const qreal scale = window.devicePixelRatioF();
    if (m_english)
        picture += QStringLiteral(".en");
    QVERIFY(
        matchesPicture(shown, scale == 1 ? picture : picture + QStringLiteral("@%1x").arg(scale)));
}

// A tick repaints the moving liquid, not the whole apparatus.
void TestWindow::tickRepaintsOnlyTheLiquid()
{
    struct PaintedArea : QObject {
        qint64 pixels = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                    pixels += qint64(r.width()) * r.height();
            return false;
        }
    } painted;
    auto *view = m_program->mainWindow().findChild<ApparatusView *>();
    view->installEventFilter(&painted);
    m_host->fastClock = false; // each tick is painted
    click("fillWaterButton", 4);
    click("fillLiquidButton", 4);
    m_host->onTickWait = [&](int n) {
        if (n == 2) // from the second tick on
            painted.pixels = 0;
        else if (n == 6)
            m_program->mainWindow().close();
    };
    click("openTapButton");
    const qint64 ticks = 4, viewPixels = qint64(view->width()) * view->height();
    QVERIFY2(painted.pixels > 0 && painted.pixels < ticks * viewPixels / 20, // a twentieth a tick
             qPrintable(QString::number(painted.pixels)));
}

// Opened while the liquid flows, the about window stands on the screen for
// the whole hold of five seconds, during which nothing moves; a window
// manager that maps it late delays the hold, not the picture.
void TestWindow::aboutStandsWhileFlowing()
{
    m_host->fastClock = false;
    click("fillWaterButton", 3);
    click("fillLiquidButton", 3);
    QImage shown;
    QString title;
    int ticksBefore = 0, ticksAfter = 0, ticksInHold = -1;
    bool holding = false, answeredInHold = false;
    double held = 0, shownFor = 0;
    QElapsedTimer sinceCommand;
    m_program->setAboutHold([&] {
        QWidget *about = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            about = w->objectName() == QLatin1String("AboutWindow") && w->isVisible() ? w : about;
        QVERIFY(about);
        QCOMPARE(about->cursor().shape(), Qt::WaitCursor);
        shown = onScreen(about);
        title = titleOnServer(*about);
        ticksBefore = m_host->tickWaits;
        QElapsedTimer hold;
        hold.start();
        holding = true; // a screen reader's request during the hold is answered in it
        std::thread request([&] {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            QMetaObject::invokeMethod(
                qApp, [&] { answeredInHold = holding; }, Qt::QueuedConnection);
        });
        AboutWindow::holdFiveSeconds();
        holding = false;
        request.join();
        held = double(hold.nsecsElapsed()) / 1e9;
        ticksInHold = m_host->tickWaits - ticksBefore;
        shownFor = double(sinceCommand.nsecsElapsed()) / 1e9;
        QTimer::singleShot(300, [&] {
            ticksAfter = m_host->tickWaits;
            m_program->mainWindow().close();
        });
    });
    const auto wm = pid_t(qEnvironmentVariableIntValue("TALVEN_TEST_WM_PID"));
    std::thread resume;
    QTimer::singleShot(300, [&] {
        sinceCommand.start();
        QVERIFY(::kill(wm, SIGSTOP) == 0);
        resume = std::thread([wm] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400)); // ticks pass meanwhile
            ::kill(wm, SIGCONT);
        });
        m_program->mainWindow().findChild<QAction *>(QStringLiteral("aboutAction"))->trigger();
    });
    click("openTapButton");
    resume.join();
    QVERIFY(
        matchesPicture(shown, m_english ? QStringLiteral("about.en") : QStringLiteral("about")));
    QCOMPARE(title,
             m_english ? QStringLiteral("About Talven") : QStringLiteral("О программе Тальвен"));
    QVERIFY2(held >= 5 && held < 5.5, qPrintable(QString::number(held)));
    QVERIFY(answeredInHold);
    QCOMPARE(ticksInHold, 0);                                        // the flow stood still
    QVERIFY2(shownFor < 6.5, qPrintable(QString::number(shownFor))); // no wait before the hold
    QVERIFY2(ticksBefore > 0 && ticksAfter > ticksBefore,
             qPrintable(QStringLiteral("%1 %2")
                            .arg(ticksBefore)
                            .arg(ticksAfter))); // the flow went on after the hold
}

void TestWindow::captionAndCentre()
{
    QWidget &window = m_program->mainWindow();
    const QFont bar = window.findChild<QMenuBar *>()->font(),
                popup = child<QMenu>("mainMenu")->font();
    QCOMPARE(popup.family(), bar.family()); // one font for the whole menu
    QCOMPARE(popup.pointSizeF(), bar.pointSizeF());
    QCOMPARE(titleOnServer(window), QStringLiteral("Тальвен (интерактивная лабораторная работа)"));
    QTRY_VERIFY(window.windowHandle()->frameMargins().top() > 0); // framed by the window manager
    const QPoint centre = window.screen()->availableGeometry().center();
    QTRY_VERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 2);
    const QPoint moved = window.pos() + QPoint(40, 30); // where the student drags it
    window.move(moved);
    QTRY_COMPARE(window.pos(), moved);
    QTest::qWait(200);
    QCOMPARE(window.pos(), moved);
}

void TestWindow::keyboard()
{
    QWidget &window = m_program->mainWindow();
    auto *open = child("openTapButton"), *close = child("closeTapButton");
    auto *lo = child<QLineEdit>("waterReadingBox"), *ll = child<QLineEdit>("liquidReadingBox");
    QCOMPARE(QApplication::focusWidget(), open);
    // Opening the tap leads the focus to "Закрыть кран", closing it back.
    QTest::keyClick(&window, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), close);
    QVERIFY(!child<QComboBox>("liquidSelector")->lineEdit()->hasSelectedText());
    QTest::keyClick(close, Qt::Key_Space);
    QTRY_COMPARE(QApplication::focusWidget(), open);
    // Alt+Р leads to l0; Enter goes on to l', and computes from there.
    QTest::keyClick(&window, Qt::Key_1, Qt::AltModifier); // no access key: nothing
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(u'Р'), QStringLiteral("р"), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), lo);
    QTest::keyClicks(lo, QStringLiteral("80"));
    QTest::keyClick(lo, Qt::Key_Home); // keys without text edit as usual
    QTest::keyClick(lo, Qt::Key_1);
    QTest::keyClick(lo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), ll);
    QTest::keyClicks(ll, QStringLiteral("7.5"));
    QCOMPARE(ll->text(), QStringLiteral("7,5"));
    // The keypad's Enter belongs to the screen reader this test runs with.
    QTest::keyClick(ll, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::qWait(100);
    QCOMPARE(child<QListWidget>("resultsList")->count(), 0);
    QTest::keyClick(ll, Qt::Key_Return);
    QTRY_COMPARE(child<QListWidget>("resultsList")->count(), 1);
    QCOMPARE(child<QListWidget>("resultsList")->item(0)->text(), QStringLiteral("24"));
    QVERIFY(open->isEnabled()); // Enter in a reading box does not open the tap
    // A refused reading is selected for correction.
    ll->setText(QStringLiteral("abc"));
    QTest::keyClick(ll, Qt::Key_Return);
    QTRY_COMPARE(ll->selectedText(), QStringLiteral("abc"));
    ll->setText(QStringLiteral("7,5"));
    // Alt+П presses "Подсчитать вязкость >"; Enter elsewhere opens the tap.
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(u'П'), QStringLiteral("п"), Qt::AltModifier);
    QTRY_COMPARE(child<QListWidget>("resultsList")->count(), 2);
    child<QListWidget>("resultsList")->setFocus();
    QTest::keyClick(&window, Qt::Key_Return);
    QTRY_VERIFY(close->isEnabled());
    QTest::keyClick(close, Qt::Key_Space);
    QTRY_VERIFY(open->isEnabled());
    // Enter that confirms a pick in the selector's list chooses the liquid, nothing else.
    auto *combo = child<QComboBox>("liquidSelector");
    combo->setFocus();
    QProcess xdotool; // the X server's own keys: the list is a window of its own
    xdotool.start(QStringLiteral("xdotool"),
                  QStringLiteral("key --delay 150 alt+Down Down Return").split(u' '));
    QTRY_COMPARE(xdotool.state(), QProcess::NotRunning);
    QTRY_VERIFY(!combo->view()->isVisible());
    QTest::qWait(100);
    QCOMPARE(child<QLabel>("headingLabel")->text(), combo->currentText());
    QVERIFY(open->isEnabled());
}

// Every access key reaches its control. A key that several controls share
// moves the focus among them and presses none, as in any Qt window: Alt+М goes
// to both "Меньше" and then opens the menu, where a shared key moves too.
void TestWindow::accessKeys()
{
    QWidget &window = m_program->mainWindow();
    QStringList reached; // the focused control, or the open menu and its chosen item
    for (char16_t letter : {u'Б', u'Б', u'О', u'О', u'М', u'М', u'М', u'Т', u'Т', u'С', u'Р'}) {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::sendKeyEvent(QTest::Click, popup ? popup : &window, Qt::Key(letter),
                            QString(QChar(letter)).toLower(),
                            popup ? Qt::NoModifier : Qt::AltModifier);
        const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QAction *item = menu ? menu->activeAction() : nullptr;
        reached << (menu ? menu->objectName() + u'/' + (item ? item->objectName() : QString())
                         : QApplication::focusWidget()->objectName());
    }
    QCOMPARE(reached, (QStringList{"fillWaterButton", "fillLiquidButton", "clearButton",
                                   "openTapButton", "drainWaterButton", "drainLiquidButton",
                                   "mainMenu/", "mainMenu/theoryAction", "mainMenu/tableAction",
                                   "serviceMenu/reverseScaleAction", "drainLiquidButton"}));
    QVERIFY(child<QAction>("reverseScaleAction")->isChecked());
}

// Every control that takes the focus shows it: the highlight colour just
// outside each of its four sides, whole at any scale.
void TestWindow::focusIsVisible()
{
    for (const char *name :
         {"openTapButton", "liquidSelector", "waterName", "drainWaterButton", "fillLiquidButton",
          "drainLiquidButton", "waterReadingBox", "liquidReadingBox", "computeButton",
          "clearButton", "resultsList", "fillWaterButton"}) {
        auto *control = child<QWidget>(name);
        control->setFocus();
        const auto shows = [&](QRect strip) {
            const QImage seen = onScreen(control, strip);
            for (int y = 0; y < seen.height(); ++y)
                for (int x = 0; x < seen.width(); ++x)
                    if (seen.pixelColor(x, y) == control->palette().color(QPalette::Highlight))
                        return true;
            return false;
        };
        const QRect r = control->rect();
        const QPoint c = r.center();
        QTRY_VERIFY2(shows({r.left() - 3, c.y(), 3, 1}) && shows({r.right() + 1, c.y(), 3, 1}) &&
                         shows({c.x(), r.top() - 3, 1, 3}) && shows({c.x(), r.bottom() + 1, 1, 3}),
                     name);
    }
}

// The apparatus is the last tab stop, shows its outline, and keeps the focus
// while the tap is opened by Enter and closed by its access key.
void TestWindow::apparatusTakesTheFocus()
{
    MainWindow &window = m_program->mainWindow();
    QWidget *apparatus = window.apparatus();
    QPushButton *open = child("openTapButton");
    QWidgetList order{QApplication::focusWidget()};
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget();
    } while (order.size() < 30 && order.back() != open);
    QCOMPARE(order.count(apparatus), 1);
    QCOMPARE(order[order.size() - 2], apparatus);
    const auto outlined = [&] {
        return onScreen(apparatus).pixelColor(0, apparatus->height() / 2) ==
               apparatus->palette().color(QPalette::Highlight);
    };
    QVERIFY(!outlined());
    click("fillWaterButton", 3);
    apparatus->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(outlined());
    QWidget *focusedWhenClosed = nullptr;
    m_host->afterTickWait = [&](int n) {
        if (n != 3)
            return;
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(u'З'), QStringLiteral("з"),
                            Qt::AltModifier);
        QTimer::singleShot(300, &window, [&] {
            focusedWhenClosed = QApplication::focusWidget();
            window.close();
        });
    };
    QTest::keyClick(&window, Qt::Key_Return); // opens the tap
    QTRY_VERIFY(focusedWhenClosed);
    QVERIFY(open->isEnabled());
    QCOMPARE(focusedWhenClosed, apparatus);
}

// A refusal is seen as well as heard: the refused control is ringed for a
// moment, the tap with both tubes empty as the box to correct.
void TestWindow::refusalIsSeen()
{
    // The ring's inner two of its three pixels on each side (the outer one may
    // fall between device pixels at 125 %).
    const auto ringed = [](QWidget *control) {
        const QImage around = onScreen(control, control->rect().adjusted(-3, -3, 3, 3));
        const int w = around.width(), h = around.height();
        const QRgb middle = around.pixel(w / 2, h / 2);
        bool whole = true;
        for (int i = 1; i < 3; ++i)
            for (QPoint p : {QPoint(w / 2, i), QPoint(i, h / 2), QPoint(w / 2, h - 1 - i),
                             QPoint(w - 1 - i, h / 2)})
                whole = whole && around.pixel(p) == Flash::colour;
        return whole && qRed(middle) > qGreen(middle) + 20; // tinted within
    };
    QWidget *open = child("openTapButton"), *ll = child<QLineEdit>("liquidReadingBox");
    child<QLineEdit>("waterReadingBox")->setText(QStringLiteral("1"));
    click("computeButton");
    QCOMPARE(QApplication::focusWidget(), ll); // the box to correct
    QTRY_VERIFY(ringed(ll));
    QVERIFY(!ringed(open));
    QTRY_VERIFY(!ringed(ll)); // a moment, not for ever
    click("openTapButton");
    QTRY_VERIFY(ringed(open));
}

// Under a dark scheme the apparatus stays glassware on a light bench.
void TestWindow::darkScheme()
{
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                {QPalette::WindowText, QColor(Qt::white)},
                                {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                {QPalette::Text, QColor(Qt::white)},
                                {QPalette::Button, QColor(0x40, 0x40, 0x40)},
                                {QPalette::ButtonText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80)); // as dark schemes do
    QApplication::setPalette(dark);
    start();
    const QImage view = onScreen(m_program->mainWindow().apparatus());
    const auto check = [&](QPoint mark, QPoint behind) {
        const double ratio = contrast(view.pixelColor(mark), view.pixelColor(behind));
        QVERIFY2(ratio >= 3,
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(ratio).arg(mark.x()).arg(mark.y())));
    };
    QPoint zero(32, 248); // the left scale's 0: its darkest pixel
    for (int y = 248; y < 261; ++y)
        for (int x = 32; x < 40; ++x)
            zero = luminance(view.pixelColor(x, y)) < luminance(view.pixelColor(zero))
                       ? QPoint(x, y)
                       : zero;
    check({42, 56}, {42, 60});   // a tick of the left scale
    check({110, 56}, {110, 60}); // a tick of the right scale
    check({48, 100}, {45, 100}); // the left tube's outline
    check(zero, {30, 254});
    QVERIFY(child<QWidget>("calculationFrame")->palette().color(QPalette::Window) ==
            dark.color(QPalette::Window));
}

void TestWindow::screenReader()
{
    QTRY_VERIFY(QAccessible::isActive()); // the accessibility bus is up
    QList<QAccessible::Event> rowEvents;
    static QList<QAccessible::Event> *events = nullptr;
    events = &rowEvents;
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if ((event->type() == QAccessible::TableModelChanged &&
                 static_cast<QAccessibleTableModelChangeEvent *>(event)->modelChangeType() ==
                     QAccessibleTableModelChangeEvent::RowsInserted) ||
                event->type() == QAccessible::DescriptionChanged)
                events->append(event->type());
        });
    const auto describe = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    QAccessibleInterface *view =
        QAccessible::queryAccessibleInterface(m_program->mainWindow().apparatus());
    QCOMPARE(view->role(), QAccessible::Graphic);
    QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Вискозиметр"));
    QCOMPARE(describe(m_program->mainWindow().apparatus()),
             QStringLiteral("Вода 0,00, Ксилол 0,00, кран закрыт"));
    click("fillWaterButton");
    QTRY_COMPARE(describe(m_program->mainWindow().apparatus()),
                 QStringLiteral("Вода 0,33, Ксилол 0,00, кран закрыт"));
    m_program->mainWindow().findChild<QAction *>(QStringLiteral("reverseScaleAction"))->trigger();
    QTRY_COMPARE(describe(m_program->mainWindow().apparatus()),
                 QStringLiteral("Вода 4,67, Ксилол 5,00, кран закрыт"));

    QAccessibleInterface *water =
        QAccessible::queryAccessibleInterface(child<QWidget>("waterName"));
    QVERIFY(water->state().readOnly && !water->state().editable);
    QCOMPARE(water->text(QAccessible::Value), child<QLineEdit>("waterName")->text());
    QVERIFY(water->text(QAccessible::Description).isEmpty()); // the text is told once
    // Names as they are spoken: no decorative marks (tests/a11y/orca.sh hears them).
    QStringList spoken;
    for (const char *name : {"waterName", "liquidReadingBox", "computeButton", "clearButton"})
        spoken
            << QAccessible::queryAccessibleInterface(child<QWidget>(name))->text(QAccessible::Name);
    QCOMPARE(spoken, (QStringList{"Вода", "l штрих", "Подсчитать вязкость", "Очистить"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>("waterReadingBox"))->role(),
             QAccessible::EditableText); // a reading box stays a field to type in
    QCOMPARE(
        QAccessible::queryAccessibleInterface(child<QWidget>("meanLabel"))->text(QAccessible::Name),
        QStringLiteral("Среднее значение относительной вязкости"));
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(child<QMenu>("mainMenu"));
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i)
        names << menu->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{"Сервис", "Теория", "Таблица вязкостей", "", "О программе..."}));

    child<QLineEdit>("waterReadingBox")->setText(QStringLiteral("1"));
    child<QLineEdit>("liquidReadingBox")->setText(QStringLiteral("2"));
    rowEvents.clear();
    click("computeButton");
    QCOMPARE(rowEvents, QList{QAccessible::TableModelChanged}); // the description is unchanged
    QCOMPARE(
        QAccessible::queryAccessibleInterface(child<QWidget>("meanLabel"))->text(QAccessible::Name),
        QStringLiteral("Среднее значение относительной вязкости 0,5"));

    // While the liquid flows, the description follows at most twice a second.
    rowEvents.clear();
    click("fillLiquidButton", 16);
    QElapsedTimer flowing;
    flowing.start();
    flow(100);
    const qint64 allowed = flowing.elapsed() / 500 + 2;
    QVERIFY2(rowEvents.size() <= allowed, qPrintable(QString::number(rowEvents.size())));
    QAccessible::installUpdateHandler(previous);
}

// The tick wait serves the window system (here a request posted from another
// thread, as the screen reader's arrive) but no input: a real click made
// during it runs at the next event processing, even in a flow whose picture
// stands still (the vessel full, the water run out, the selector naming no
// liquid), where nothing else wakes the event queue.
void TestWindow::tickWaitServesOnlyTheWindowSystem()
{
    Exercise &exercise = m_program->exercise();
    while (exercise.state().scene.collected().height < Apparatus::collectedFlowLimit) {
        exercise.fillWater(); // each drain adds to the vessel
        exercise.drainWater();
        exercise.drainWater();
    }
    m_host->fastClock = false;
    child<QComboBox>("liquidSelector")->setEditText(QStringLiteral("zz"));
    click("fillWaterButton");
    click("fillLiquidButton");
    auto *close = child("closeTapButton");
    bool servedInWait = false, closedInWait = true;
    std::thread poster;
    m_host->atLeast = 0.3;
    m_host->onTickWait = [&](int n) {
        if (n == 12) { // the water ran out
            poster = std::thread([&] {
                QMetaObject::invokeMethod(
                    qApp, [&] { servedInWait = m_host->inTickWait; }, Qt::QueuedConnection);
            });
            xdo({QStringLiteral("click"), QStringLiteral("1")}, close);
        }
        if (n == 30)
            m_program->mainWindow().close();
    };
    m_host->afterTickWait = [&](int n) {
        if (n == 12) {
            poster.join();
            closedInWait = !close->isEnabled();
        }
    };
    click("openTapButton");
    QVERIFY(servedInWait);
    QVERIFY(!closedInWait);
    QVERIFY(!close->isEnabled());
    QCOMPARE(m_host->tickWaits, 12); // closed at the pass after the click: the flow ended
}

// Text typed into the selector picks nothing when the focus leaves it, and an
// Alt combination that presses nothing types nothing: real keys and clicks.
void TestWindow::typedTextOnlySteers()
{
    pick(QStringLiteral("Кровь (жен.)"));
    auto *combo = child<QComboBox>("liquidSelector");
    combo->setFocus();
    combo->setEditText(QStringLiteral("Ксилол"));
    xdo({QStringLiteral("click"), QStringLiteral("1")}, child("fillLiquidButton"));
    QTRY_VERIFY(child("fillLiquidButton")->hasFocus());
    QCOMPARE(child<QLabel>("headingLabel")->text(), QStringLiteral("Кровь (жен.)"));
    QVERIFY(m_program->exercise().state().scene.liquid().height > Geometry::emptyColumnHeight);

    auto *lo = child<QLineEdit>("waterReadingBox");
    lo->setFocus();
    xdo({QStringLiteral("key"), QStringLiteral("2"), QStringLiteral("alt+Cyrillic_ze")});
    QTRY_COMPARE(lo->text(), QStringLiteral("2"));
    QTest::qWait(100);
    QCOMPARE(lo->text(), QStringLiteral("2"));
}

// Keys and a close pressed while the about window holds are dropped once it
// has gone, not acted on all at once.
void TestWindow::inputInTheHoldIsDropped()
{
    QWidget &window = m_program->mainWindow();
    auto *open = child("openTapButton");
    QCOMPARE(QApplication::focusWidget(), open);
    m_program->setAboutHold([&] {
        xdo({QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("space"),
             QStringLiteral("alt+F4")});
        WindowSystemWait().until(std::chrono::steady_clock::now() + std::chrono::milliseconds(300));
    });
    const auto aboutShown = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
            return w->objectName() == QLatin1String("AboutWindow") && w->isVisible();
        });
    };
    window.findChild<QAction *>(QStringLiteral("aboutAction"))->trigger();
    QVERIFY(aboutShown());
    QTRY_VERIFY(!aboutShown());
    QTest::qWait(300);
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::focusWidget(), open);
    QVERIFY(open->isEnabled());
}

// The list shows the selected liquid's results, the newest in view, and is
// named after the liquid.
void TestWindow::resultsList()
{
    auto *list = child<QListWidget>("resultsList");
    const auto newestInView = [list] {
        return list->viewport()->rect().contains(
            list->visualItemRect(list->item(list->count() - 1)));
    };
    const auto name = [list] {
        return QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name);
    };
    const auto result = [this](const char *ll) {
        child<QLineEdit>("waterReadingBox")->setText(QStringLiteral("1"));
        child<QLineEdit>("liquidReadingBox")->setText(QString::fromLatin1(ll));
        click("computeButton");
    };
    for (int i = 1; i <= 12; ++i) {
        result(qPrintable(QString::number(i)));
        QCOMPARE(list->count(), i);
        QVERIFY(newestInView());
    }
    QCOMPARE(name(), QStringLiteral("Результаты: Ксилол"));
    const QString newest = list->item(11)->text();
    pick(QStringLiteral("Плазма"));
    QCOMPARE(list->count(), 0);
    QCOMPARE(name(), QStringLiteral("Результаты: Плазма"));
    result("2");
    const QString plasma = list->item(0)->text();
    pick(QStringLiteral("Ксилол"));
    QCOMPARE(list->count(), 12);
    QCOMPARE(list->item(11)->text(), newest);
    QVERIFY(newestInView());
    QCOMPARE(name(), QStringLiteral("Результаты: Ксилол"));
    pick(QStringLiteral("Плазма"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), plasma);

    // A mean longer than its place is cut visibly, and whole in its tool tip.
    auto *mean = child<QLabel>("meanLabel");
    result("0,000000000001");
    QVERIFY(mean->text().endsWith(u'…'));
    QCOMPARE(mean->toolTip(), m_program->exercise().state().mean);
    QVERIFY(mean->fontMetrics().horizontalAdvance(mean->text()) <= mean->contentsRect().width());
}

// No control overlaps its frame's border or caption, and every box and list
// shows its whole border, at the scale the test runs with.
void TestWindow::controlsAreWhole()
{
    for (int liquid = 0; liquid < Liquids::count; ++liquid) {
        pick(liquid); // the heading's width follows the name
        for (auto *frame : m_program->mainWindow().findChildren<QGroupBox *>()) {
            for (auto *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QString where = frame->objectName() + u'/' + control->objectName();
                QVERIFY2(frame->contentsRect().contains(control->geometry()),
                         qPrintable(where + QStringLiteral(" is not within its frame")));
            }
        }
    }
    QTest::qWait(100);
    for (const char *name : {"waterName", "waterReadingBox", "liquidReadingBox", "resultsList"}) {
        auto *control = child<QWidget>(name);
        const QImage box = onScreen(control, control->rect().adjusted(-1, -1, 1, 1));
        const int w = box.width(), h = box.height(), middle = qGray(box.pixel(w / 2, h / 2));
        // Somewhere within five pixels of an edge, on the line through the middle.
        const auto darker = [&](QPoint from, QPoint step) {
            for (int i = 0; i < 5; ++i, from += step)
                if (qGray(box.pixel(from)) < middle - 40)
                    return true;
            return false;
        };
        QVERIFY2(darker({w / 2, 0}, {0, 1}), name);      // the top border
        QVERIFY2(darker({w / 2, h - 1}, {0, -1}), name); // the bottom border
        QVERIFY2(darker({0, h / 2}, {1, 0}), name);      // the left border
        QVERIFY2(darker({w - 1, h / 2}, {-1, 0}), name); // the right border
    }
}

// Every caption, title and name shows whole in its place, in the language
// and at the scale the test runs with: no text clipped or elided.
void TestWindow::captionsFit()
{
    QWidget &window = m_program->mainWindow();
    TableWindow table(window);
    AboutWindow about(nullptr, [] {});
    QStringList cut;
    const auto fits = [&cut](const QWidget *w, const QString &text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                       .arg(w->objectName(), text)
                       .arg(needed)
                       .arg(room);
    };
    for (QWidget *top : {&window, static_cast<QWidget *>(&table), static_cast<QWidget *>(&about)}) {
        for (QLabel *label : top->findChildren<QLabel *>()) {
            if (label->wordWrap()) {
                const QRect needed = label->fontMetrics().boundingRect(
                    label->contentsRect(), Qt::TextWordWrap | int(label->alignment()),
                    label->text());
                if (!label->contentsRect().contains(needed))
                    cut << label->objectName() + QStringLiteral(" wraps out of its place");
            } else if (label != m_program->mainWindow().findChild<QLabel *>(
                                    QStringLiteral("meanLabel"))) { // elided by design
                fits(label, label->text(), label->contentsRect().width());
            }
        }
        for (QPushButton *button : top->findChildren<QPushButton *>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            fits(button, button->text(),
                 button->style()
                     ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                     .width());
        }
        for (QGroupBox *frame : top->findChildren<QGroupBox *>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            fits(frame, frame->title(), frame->width() - caption.left());
        }
    }
    auto *water = child<QLineEdit>("waterName");
    QStyleOptionFrame boxOption;
    boxOption.initFrom(water);
    fits(water, water->text(),
         water->style()->subElementRect(QStyle::SE_LineEditContents, &boxOption, water).width());
    auto *selector = child<QComboBox>("liquidSelector");
    for (int liquid = 0; liquid < Liquids::count; ++liquid)
        fits(selector->lineEdit(), shownName(liquid), selector->lineEdit()->width());
    for (int liquid = 0; liquid < Liquids::count; ++liquid) { // the heading sizes itself
        pick(liquid);
        auto *heading = child<QLabel>("headingLabel");
        fits(heading, heading->text(),
             heading->parentWidget()->contentsRect().right() - heading->x());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    // Qt's own texts, such as a reading box's context menu, speak the language too.
    const std::unique_ptr<QMenu> menu(
        child<QLineEdit>("waterReadingBox")->createStandardContextMenu());
    QCOMPARE(menu->actions().constFirst()->text().startsWith(QLatin1String("&Undo")), m_english);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
