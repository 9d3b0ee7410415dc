// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The flow cycle's cost in the running program: the real main window
// offscreen, both tubes full, the tap open for 5 s, then closed and held for
// 3 s. Process CPU time and every tick's period, with the program's host
// (sleeping tick wait, blocking held state) against a host that polls the
// clock in a tight loop.
#include "app/Program.h"
#include "app/RealHost.h"
#include "bench/Bench.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

constexpr double flowSeconds = 5, heldSeconds = 3;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The program's host, noting the moment each tick wait ends.
class TimedHost : public RealHost
{
public:
    std::vector<double> stepTimes;
    void sleepUntil(double t) override
    {
        RealHost::sleepUntil(t);
        stepTimes.push_back(now());
    }
};

// The tick wait and the held state poll the clock, as the exercise once did.
class PollingHost : public TimedHost
{
public:
    void sleepUntil(double t) override
    {
        while (now() < t) {
        }
        stepTimes.push_back(now());
    }
    void waitForEvents() override { processEvents(); }
};

// The tick wait before it served the window system: it only slept.
class SleepingHost : public TimedHost
{
public:
    void sleepUntil(double t) override
    {
        std::this_thread::sleep_for(std::chrono::duration<double>(std::max(0.0, t - now())));
        stepTimes.push_back(now());
    }
};

// Posts a call to the main thread every 37 ms, as a screen reader's requests
// arrive, and keeps how long each waited to be served.
class Requests
{
public:
    std::vector<double> waitedMs;

    void start()
    {
        m_thread = std::thread([this] {
            while (!m_stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(37));
                const auto posted = std::chrono::steady_clock::now();
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [this, posted] {
                        const std::chrono::duration<double, std::milli> waited =
                            std::chrono::steady_clock::now() - posted;
                        waitedMs.push_back(waited.count());
                    },
                    Qt::QueuedConnection);
            }
        });
    }
    void stop()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop = false;
};

struct Figures {
    double flowingCpu = 0, heldCpu = 0; // % of one core
    double medianMs = 0, p95Ms = 0;     // tick period
};

Figures measure(TimedHost &host)
{
    Program program(host, QLocale(QLocale::Russian, QLocale::Russia));
    program.showMainWindow();
    Exercise &form = program.exercise();
    MainWindow &window = program.mainWindow();
    for (int press = 0; press < 16; ++press) { // 3215 twips: 107 ticks, longer than the flow
        form.fillWater();
        form.fillLiquid();
    }
    Figures f;
    double cpu = cpuSeconds(), wall = host.now();
    const auto share = [&] { return 100 * (cpuSeconds() - cpu) / (host.now() - wall); };
    QTimer::singleShot(int(flowSeconds * 1000), [&] {
        f.flowingCpu = share();
        form.closeTap();
        cpu = cpuSeconds();
        wall = host.now();
    });
    QTimer::singleShot(int((flowSeconds + heldSeconds) * 1000), [&] {
        f.heldCpu = share();
        window.close();
    });
    form.openTap(); // runs until the window closes

    std::vector<double> periods;
    for (std::size_t i = 1; i < host.stepTimes.size(); ++i)
        periods.push_back((host.stepTimes[i] - host.stepTimes[i - 1]) * 1000);
    std::sort(periods.begin(), periods.end());
    f.medianMs = periods[periods.size() / 2];
    f.p95Ms = periods[periods.size() * 95 / 100];
    return f;
}

// The median wait of posted calls while the liquid flows.
double requestWaitMs(TimedHost &host)
{
    Program program(host, QLocale(QLocale::Russian, QLocale::Russia));
    program.showMainWindow();
    for (int press = 0; press < 16; ++press)
        program.exercise().fillWater();
    Requests requests;
    requests.start();
    QTimer::singleShot(3000, [&] {
        requests.stop();
        program.mainWindow().close();
    });
    program.exercise().openTap();
    // Calls still queued would outlive `requests`.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    std::sort(requests.waitedMs.begin(), requests.waitedMs.end());
    return requests.waitedMs[requests.waitedMs.size() / 2];
}

// A screen reader's walk over the whole accessibility tree: 47 objects of a
// few properties each, every request sent once the last one is answered.
// Timed while the liquid flows, or with the tap closed and the cycle held.
double treeWalkMs(TimedHost &host, bool flowing)
{
    constexpr int requests = 47 * 5;
    Program program(host, QLocale(QLocale::Russian, QLocale::Russia));
    program.showMainWindow();
    for (int press = 0; press < 16; ++press)
        program.exercise().fillWater();
    double ms = 0;
    std::thread walker;
    QTimer::singleShot(500, [&] {
        if (!flowing)
            program.exercise().closeTap();
        walker = std::thread([&] {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < requests; ++i)
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [] {}, Qt::BlockingQueuedConnection);
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            QMetaObject::invokeMethod(&program.mainWindow(), &QWidget::close, Qt::QueuedConnection);
        });
    });
    program.exercise().openTap(); // runs until the window closes
    walker.join();
    return ms;
}

} // namespace

void benchFlow()
{
    TimedHost program;
    const Figures real = measure(program);
    PollingHost polling;
    const Figures base = measure(polling);
    const char *poller = "host polling the clock";
    benchRow("CPU while flowing", "%", real.flowingCpu, poller, base.flowingCpu, "<= 1 %");
    benchRow("CPU while held", "%", real.heldCpu, poller, base.heldCpu, "<= 0.5 %");
    benchRow("tick period, median (142.857 ms)", "ms", real.medianMs, poller, base.medianMs,
             "+- 1 ms");
    benchRow("tick period, 95th percentile", "ms", real.p95Ms, poller, base.p95Ms, "+- 5 ms");
    TimedHost serving;
    SleepingHost sleeping;
    const double served = requestWaitMs(serving);
    benchRow("posted call while flowing, median", "ms", served, "tick wait that only sleeps",
             requestWaitMs(sleeping), "a few ms");
    TimedHost walking, held;
    benchRow("tree walk, 235 calls, flowing", "ms", treeWalkMs(walking, true),
             "the same walk, tap closed", treeWalkMs(held, false), "<= 1.5x");
}
