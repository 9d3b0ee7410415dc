// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-render-drawings FILE: writes the pictures the main window shows at
// start at 100 %, decoded, for the program to embed; run by the build.
#include "ui/Drawings.h"
#include "ui/StartDrawings.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);        // Fusion's pictures are resources of QtWidgets
    QFile out(app.arguments().value(1)); // without a FILE, nothing opens
    const QByteArray drawings = Drawings::encode(StartDrawings::list());
    if (!out.open(QIODevice::WriteOnly) || out.write(drawings) != drawings.size()) {
        std::fprintf(stderr, "talven-render-drawings: cannot write %s: %s\n",
                     qPrintable(out.fileName()), qPrintable(out.errorString()));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
