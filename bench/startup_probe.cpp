// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Started by talven-bench: opens the main window (or, built as a baseline, one
// empty QMainWindow, or one that shows a line of text) offscreen, and at its
// first paint prints the monotonic clock in nanoseconds and the peak resident
// set in KiB, then exits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

#if !defined(MINIMAL_WINDOW) && !defined(TEXT_WINDOW)
#include "app/Program.h"
#include "app/RealHost.h"
#endif

namespace {
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true; // report once the whole paint cycle is done
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec,
                            usage.ru_maxrss);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
#if defined(MINIMAL_WINDOW)
    QMainWindow window;
    window.show();
#elif defined(TEXT_WINDOW)
    QMainWindow window;
    QLabel text(QStringLiteral("Тальвен (интерактивная лабораторная работа)"));
    window.setCentralWidget(&text);
    window.show();
#else
    RealHost host;
    Program program(host);
    program.showMainWindow();
#endif
    return app.exec();
}
