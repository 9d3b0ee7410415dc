// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// talven-bench: the performance table. Every figure is measured beside its
// baseline in the same run; see the README for a reading and its machine.
#include "bench/Bench.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("| %-34s | %14s | %-41s | %7s | %-10s |\n", "figure", "Talven", "baseline", "ratio",
                "target");
    std::printf("|%s|%s|%s|%s|%s|\n", "------------------------------------", "----------------",
                "-------------------------------------------", "---------", "------------");
    benchStartup(qPrintable(QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath()));
    benchPaint();
    benchFlow();
    benchNesting();
    return 0;
}
