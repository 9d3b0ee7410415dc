// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"
#include "app/RealHost.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv); // named after the executable, as is the desktop entry

    RealHost host;
    Program program(host);
    program.start();
    return app.exec();
}
