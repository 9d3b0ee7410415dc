#include "app/Program.h"

#include <QScreen>

Program::Program(const QLocale &locale) : m_form(m_host, locale), m_window(m_form)
{
    m_host.setBeforeEvents([this] { m_window.sync(); });
    QObject::connect(&m_window, &MainWindow::closed, [this] { m_host.closeWindow(); });
}

void Program::start()
{
    m_form.Form_Load();
    m_window.sync();
    m_window.adjustSize();
    if (const QScreen *screen = m_window.screen()) {
        QRect frame = m_window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window.move(frame.topLeft());
    }
    m_window.show();
}
