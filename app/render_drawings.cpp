// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-render-drawings DIR: writes the bare pixels of the drawings the main
// window shows at start at 100 % into DIR, for the program's resources; run
// by the build.
#include "ui/Drawings.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const Drawings::Order &order : Drawings::atStart()) {
        QFile out(app.arguments().value(1) + u'/' +
                  QFileInfo(Drawings::builtName(order.file)).fileName());
        const QByteArray pixels = Drawings::pixelsOf(Drawings::render(order.file, order.pixels));
        if (!out.open(QIODevice::WriteOnly) || out.write(pixels) != pixels.size()) {
            std::fprintf(stderr, "talven-render-drawings: cannot write %s: %s\n",
                         qPrintable(out.fileName()), qPrintable(out.errorString()));
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
