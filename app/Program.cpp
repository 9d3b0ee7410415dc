// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include "ui/Look.h"

#include <QScreen>

Program::Program(FlowHost &host, const QLocale &locale) : m_form(host, locale)
{
    Look::applyToApplication();
    m_window = std::make_unique<MainWindow>(m_form);
    QObject::connect(m_window.get(), &MainWindow::aboutRequested, [this] { showAbout(); });
}

// A new about window at every showing, without an owner.
void Program::showAbout()
{
    auto *about = new AboutWindow(m_window.get(), m_aboutHold);
    centreOnScreen(*about);
    about->show();
}

void Program::centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = m_window->screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void Program::start()
{
    m_form.Form_Load();
    m_window->adjustSize();
    centreOnScreen(*m_window);
    m_window->show();
    m_window->focusTap(); // the first control that takes the focus
}
