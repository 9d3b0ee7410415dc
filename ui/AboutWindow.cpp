// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AboutWindow.h"

#include "ui/Drawings.h"
#include "ui/Fonts.h"
#include "ui/WindowSystemWait.h"
#include "ui_AboutWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>
#include <chrono>
#include <thread>

namespace {
constexpr int timerInterval = 10;     // ms after showing
constexpr int exposureTimeout = 2000; // ms: a window that is never exposed is held anyway
constexpr std::chrono::seconds holdTime{5};
} // namespace

AboutWindow::AboutWindow(QWidget *mainWindow, Hold hold)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::AboutWindow>()), m_mainWindow(mainWindow), m_hold(std::move(hold))
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size()); // 6195 x 3420 twips
    setAccessibleName(windowTitle());

    const qreal ratio = devicePixelRatioF();
    const auto draw = [ratio](QLabel *image, const QString &file) {
        QPixmap drawing =
            QPixmap::fromImage(Drawings::image(file, (QSizeF(image->size()) * ratio).toSize()));
        drawing.setDevicePixelRatio(ratio);
        image->setPixmap(drawing);
    };
    draw(m_ui->leftStone, QStringLiteral(":/art/stone.svg"));
    draw(m_ui->rightStone, QStringLiteral(":/art/stone.svg"));
    // The title's words are drawn: each language has its own pictures.
    draw(m_ui->titleTop, tr(":/art/title1.svg", "picture of the title's upper words"));
    draw(m_ui->titleBottom, tr(":/art/title2.svg", "picture of the title's lower words"));

    const QString serif = QStringLiteral("Times New Roman");
    m_ui->purposeLabel->setFont(Fonts::font(QStringLiteral("Arial"), 8.25, true));
    m_ui->Label3->setFont(Fonts::font(serif, 9.75, true));
    m_ui->Label2->setFont(Fonts::font(serif, 9, true));
    m_ui->Label1->setFont(Fonts::font(serif, 12, true));
    const auto colour = [](QLabel *label, QColor c) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, c);
        label->setPalette(p);
    };
    colour(m_ui->purposeLabel, Qt::white);
    for (QLabel *label : {m_ui->Label3, m_ui->Label2, m_ui->Label1})
        colour(label, Qt::yellow);

    m_timer1.setSingleShot(true);
    m_timer1.setInterval(timerInterval);
    connect(&m_timer1, &QTimer::timeout, this, &AboutWindow::Timer1_Timer);
}

AboutWindow::~AboutWindow() = default;

// The window system, a screen reader's requests included, is served meanwhile.
void AboutWindow::holdFiveSeconds()
{
    WindowSystemWait().until(std::chrono::steady_clock::now() + holdTime);
}

// The hold handles no event, so the picture must be on the screen before it
// begins: wait until the window system has exposed the window (a window
// manager may take a while to map it), paint it and hand it to the server.
// Only the window system's own events are served meanwhile; input and timers
// wait, so no handler runs.
void AboutWindow::showPicture()
{
    constexpr QEventLoop::ProcessEventsFlags windowSystemOnly =
        QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers;
    const QDeadlineTimer patience(exposureTimeout);
    while (windowHandle() && !windowHandle()->isExposed() && !patience.hasExpired()) {
        QCoreApplication::processEvents(windowSystemOnly);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    repaint(); // painted and flushed to the window system at once
    QCoreApplication::processEvents(windowSystemOnly);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer1.start();
}

void AboutWindow::Timer1_Timer()
{
    setCursor(Qt::WaitCursor);
    showPicture();
    m_hold();
    WindowSystemWait::discardInput(); // keys pressed in the hold would act all at once
    if (m_mainWindow)
        m_mainWindow->setVisible(true);
    close(); // and deleted: the next showing starts afresh
}
