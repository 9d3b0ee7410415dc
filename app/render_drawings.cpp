// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-render-drawings FILE: writes the pictures the main window shows at
// start at 100 %, decoded, for the program to embed; run by the build.
#include "ui/Drawings.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // Fusion's pictures are resources of QtWidgets
    if (argc != 2) {
        std::fprintf(stderr, "usage: talven-render-drawings FILE\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    return out.open(QIODevice::WriteOnly) &&
                   out.write(Drawings::encode(MainWindow::drawingsAtStart())) > 0
               ? 0
               : 1;
}
