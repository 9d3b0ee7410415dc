// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-render-icon SVG PNG SIZE: renders the program's icon at SIZE x SIZE
// pixels for the icon theme; run by the build.
#include "ui/Drawings.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: talven-render-icon SVG PNG SIZE\n");
        return 2;
    }
    const int size = QByteArray(argv[3]).toInt();
    const QImage image = Drawings::render(QString::fromLocal8Bit(argv[1]), QSize(size, size));
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
