// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-screenshot FILE.png [main|about|table]: renders one of the program's
// windows as it opens to FILE.png, without a display. QT_SCALE_FACTOR=2
// renders at device pixel ratio 2.
#include "app/Program.h"
#include "app/RealHost.h"
#include "ui/AboutWindow.h"
#include "ui/TableWindow.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString which = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("main");
    const QStringList windows{QStringLiteral("main"), QStringLiteral("about"),
                              QStringLiteral("table")};
    if (argc < 2 || argc > 3 || !windows.contains(which)) {
        std::fprintf(stderr, "usage: talven-screenshot FILE.png [main|about|table]\n");
        return 2;
    }
    RealHost host;
    Program program(host);
    program.start();
    QWidget *window = &program.window();
    AboutWindow about(window, [] {});
    TableWindow table(*window);
    if (which == windows[1])
        window = &about;
    else if (which == windows[2])
        window = &table;
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "talven-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
