// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"
#include "app/RealHost.h"
#include "ui/Translation.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// Without a display Qt aborts with advice to reinstall the program. While the
// application is being created its messages are held back: a fatal one
// becomes one line and status 1, the others are passed on once it stands.
struct HeldMessage {
    QtMsgType type;
    const char *file, *function, *category; // static strings of the caller's
    int line;
    QString text;
};
std::vector<HeldMessage> held;
QByteArray noDisplay; // in the user's language, ready before Qt may abort

void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.push_back(
            {type, context.file, context.function, context.category, context.line, text});
        return;
    }
    std::fputs(noDisplay.constData(), stderr);
    std::_Exit(1);
}

// On a Wayland desktop Qt 6.4 decorates the fixed-size window itself with a
// maximise button, and the compositor drops the connection when it is used.
// Unless the user chose a platform, the window goes through XWayland, where the
// desktop's own frame, beep and placement serve it; Wayland is the fallback.
void preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void passOnHeldMessages(QtMessageHandler qtHandler)
{
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage &m : held)
        qtHandler(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    held.clear();
}
} // namespace

int main(int argc, char *argv[])
{
    preferX11();
    Translation translation(Translation::choose(QLocale::system().uiLanguages()));
    noDisplay =
        translation
            .text("main", QT_TRANSLATE_NOOP("main", "talven: нет графического сеанса: "
                                                    "программе нужен дисплей X11 или Wayland"))
            .toUtf8() +
        '\n';
    const QtMessageHandler qtHandler = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv); // named after the executable, as is the desktop entry
    passOnHeldMessages(qtHandler);
    translation.install();

    RealHost host;
    Program program(host);
    program.showMainWindow();
    return app.exec();
}
