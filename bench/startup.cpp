// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Startup to the first paint of the main window and peak RSS, against one
// empty QMainWindow, as medians over alternating runs of both.
#include "bench/Bench.h"

#include <QProcess>
#include <QString>
#include <algorithm>
#include <ctime>
#include <vector>

namespace {

struct Start {
    double ms;
    double rssMiB;
};

Start startOnce(const QString &probe)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    timespec before{};
    clock_gettime(CLOCK_MONOTONIC, &before);
    process.start(probe, {});
    process.waitForFinished(30'000);
    const QStringList fields = QString::fromLatin1(process.readAllStandardOutput()).split(u' ');
    if (fields.size() != 2)
        qFatal("%s printed nothing", qPrintable(probe));
    const double startNs = double(before.tv_sec) * 1e9 + double(before.tv_nsec);
    return {(fields[0].toDouble() - startNs) / 1e6, fields[1].toDouble() / 1024};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

void benchStartup(const char *probeDirectory)
{
    constexpr int runs = 15;
    const QString talven =
        QString::fromLocal8Bit(probeDirectory) + QStringLiteral("/startup_probe");
    const QString minimal =
        QString::fromLocal8Bit(probeDirectory) + QStringLiteral("/startup_probe_minimal");
    const QString text =
        QString::fromLocal8Bit(probeDirectory) + QStringLiteral("/startup_probe_text");
    std::vector<double> ms[3], rss[3];
    for (int run = 0; run < runs; ++run) {
        int which = 0;
        for (const QString &probe : {talven, minimal, text}) {
            const Start s = startOnce(probe);
            ms[which].push_back(s.ms);
            rss[which++].push_back(s.rssMiB);
        }
    }
    benchRow("startup to first paint (median)", "ms", median(ms[0]),
             "QMainWindow, one line of text", median(ms[2]), "<= 1.5x");
    benchRow("peak RSS", "MiB", median(rss[0]), "QMainWindow, one line of text", median(rss[2]),
             "<= 1.3x");
    benchRow("startup to first paint (median)", "ms", median(ms[0]), "one empty QMainWindow",
             median(ms[1]), "");
    benchRow("peak RSS", "MiB", median(rss[0]), "one empty QMainWindow", median(rss[1]), "");
}
