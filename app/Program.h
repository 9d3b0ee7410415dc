// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/DestroyWatch.h"
#include "sim/Exercise.h"
#include "ui/AboutWindow.h"
#include "ui/MainWindow.h"

#include <memory>

class FlowHost;

// The running program: the core's main window state on its host, and the
// widgets that show it.
class Program
{
public:
    explicit Program(FlowHost &host, const QLocale &locale = QLocale::system());
    ~Program();

    // Runs the main window's load handler and shows it centred on the screen.
    void showMainWindow();

    // How the about window holds the program (five seconds unless replaced).
    void setAboutHold(AboutWindow::Hold hold) { m_aboutHold = std::move(hold); }

    Exercise &exercise() { return m_exercise; }
    MainWindow &mainWindow() { return *m_window; }

private:
    void showAbout();

    Exercise m_exercise;
    std::unique_ptr<MainWindow> m_window; // made once the application's look is set
    std::unique_ptr<DestroyWatch> m_destroyWatch;
    AboutWindow::Hold m_aboutHold = AboutWindow::holdFiveSeconds;
};
