// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include "app/Centring.h"
#include "ui/Accessibility.h"
#include "ui/DesktopStyle.h"
#include "ui/Fonts.h"
#include "ui/Translation.h"

#include "app/DestroyWatch.h"

#include <QApplication>

Program::Program(FlowHost &host, const QLocale &locale) : m_exercise(host, locale)
{
    // The selector steers the flow by the names it shows.
    m_exercise.setLiquidNames(Translation::liquidNames());
    // The designed font (MS Sans Serif 8.25 pt, through its stand-in) for
    // every window, menu and tool tip, so that no other family is ever loaded.
    QApplication::setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 8.25));
    DesktopStyle::install();
    Accessibility::install();
    m_window = std::make_unique<MainWindow>(m_exercise);
    QObject::connect(m_window.get(), &MainWindow::aboutRequested, [this] { showAbout(); });
    // A window destroyed by another client ends the program as a close does.
    m_destroyWatch = std::make_unique<DestroyWatch>(
        *m_window, [this] { m_exercise.noteWindowClosed(); }, [] { QCoreApplication::exit(0); });
}

Program::~Program() = default; // the watch leaves the application as it is destroyed

// A new about window at every showing, without an owner.
void Program::showAbout()
{
    auto *about = new AboutWindow(m_window.get(), m_aboutHold);
    new Centring(*about);
    about->show();
}

void Program::showMainWindow()
{
    m_exercise.load();
    m_window->adjustSize();
    new Centring(*m_window);
    m_window->show();
    m_window->focusTap(); // the first control that takes the focus
}
