// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-render-icon SVG PNG SIZE: renders the program's icon at SIZE x SIZE
// pixels for the icon theme; run by the build.
#include "ui/Drawings.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments(); // a missing one renders or saves nothing
    const int size = args.value(3).toInt();
    const QImage image = Drawings::render(args.value(1), QSize(size, size));
    if (image.isNull() || !image.save(args.value(2))) {
        std::fprintf(stderr, "talven-render-icon: cannot render %s at %d px into %s\n",
                     qPrintable(args.value(1)), size, qPrintable(args.value(2)));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
