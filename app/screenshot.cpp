// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-screenshot FILE.png [main|about|table]: renders one of the program's
// windows as it opens to FILE.png, without a display. QT_SCALE_FACTOR=2
// renders at device pixel ratio 2.
#include "app/Program.h"
#include "ui/AboutWindow.h"
#include "ui/Fonts.h"
#include "ui/TableWindow.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const char *which = argc > 2 ? argv[2] : "main";
    if (argc < 2 || argc > 3 || !std::strstr("main about table", which)) {
        std::fprintf(stderr, "usage: talven-screenshot FILE.png [main|about|table]\n");
        return 2;
    }
    Fonts::registerSubstitutes();
    Program program;
    program.start();
    QWidget *window = &program.window();
    AboutWindow about(window, [] {});
    TableWindow table(*window);
    if (std::strcmp(which, "about") == 0)
        window = &about;
    else if (std::strcmp(which, "table") == 0)
        window = &table;
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "talven-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
