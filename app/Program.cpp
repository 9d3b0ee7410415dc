// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include "app/Centring.h"
#include "ui/Accessibility.h"
#include "ui/Look.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

// Another X client may destroy the main window (xdotool windowclose). Qt
// does not notice, so the program ends as on a close.
class Program::DestroyWatch : public QAbstractNativeEventFilter
{
public:
    explicit DestroyWatch(Program &program) : m_program(program) {}

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        // xcb_destroy_notify_event_t, without the xcb headers.
        struct DestroyNotify {
            quint8 responseType, pad;
            quint16 sequence;
            quint32 event, window;
        };
        constexpr quint8 destroyNotify = 17;
        const auto *e = static_cast<const DestroyNotify *>(message);
        if (type != "xcb_generic_event_t" || (e->responseType & 0x7f) != destroyNotify ||
            e->window != m_program.m_window->internalWinId())
            return false;
        m_program.m_form.noteWindowClosed();
        QCoreApplication::exit(0);
        return false;
    }

private:
    Program &m_program;
};

Program::Program(FlowHost &host, const QLocale &locale)
    : m_form(host, locale), m_destroyWatch(std::make_unique<DestroyWatch>(*this))
{
    Look::applyToApplication();
    Accessibility::install();
    m_window = std::make_unique<MainWindow>(m_form);
    QObject::connect(m_window.get(), &MainWindow::aboutRequested, [this] { showAbout(); });
    QCoreApplication::instance()->installNativeEventFilter(m_destroyWatch.get());
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
    m_form.Form_Load();
    m_window->adjustSize();
    new Centring(*m_window);
    m_window->show();
    m_window->focusTap(); // the first control that takes the focus
}
