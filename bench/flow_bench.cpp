// The flow cycle's cost in the running program: the real main window
// offscreen, both tubes full, the tap open for 5 s, then closed and held for
// 3 s. Measures process CPU time and every tick's period, with the program's
// host (sleeping tick wait, blocking held state) against a host that polls the
// clock in a tight loop, in the same run.
#include "app/RealHost.h"
#include "sim/Form1.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double flowSeconds = 5, heldSeconds = 3;
constexpr double tickMs = 1000.0 / 7.0;

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

// The letter of the exercise: the tick wait and the held state poll the clock.
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

struct Figures {
    double flowingCpu = 0, heldCpu = 0; // share of one core
    double medianMs = 0, p95Ms = 0;     // tick period
};

Figures measure(TimedHost &host)
{
    Form1 form(host, QLocale(QLocale::Russian, QLocale::Russia));
    MainWindow window(form);
    host.setBeforeEvents([&window] { window.sync(); });
    QObject::connect(&window, &MainWindow::closed, [&host] { host.closeWindow(); });
    form.Form_Load();
    window.sync();
    window.show();
    for (int press = 0; press < 16; ++press) {
        form.Command2_Click(); // 3215 twips: 107 ticks, longer than the flow
        form.Command4_Click();
    }

    Figures f;
    double cpu = 0, wall = 0;
    const auto mark = [&] {
        cpu = cpuSeconds();
        wall = host.now();
    };
    const auto share = [&] { return (cpuSeconds() - cpu) / (host.now() - wall); };
    QTimer::singleShot(int(flowSeconds * 1000), [&] {
        f.flowingCpu = share();
        form.Command3_Click();
        window.sync();
        mark();
    });
    QTimer::singleShot(int((flowSeconds + heldSeconds) * 1000), [&] {
        f.heldCpu = share();
        window.close();
    });
    mark();
    form.Command1_Click(); // runs until the window closes

    std::vector<double> periods;
    for (std::size_t i = 1; i < host.stepTimes.size(); ++i)
        periods.push_back((host.stepTimes[i] - host.stepTimes[i - 1]) * 1000);
    std::sort(periods.begin(), periods.end());
    if (!periods.empty()) {
        f.medianMs = periods[periods.size() / 2];
        f.p95Ms = periods[std::min(periods.size() - 1, periods.size() * 95 / 100)];
    }
    return f;
}

void row(const char *figure, double value, double baseline, const char *unit)
{
    std::printf("%-28s %10.3f %-3s %10.3f %-3s %8.3f\n", figure, value, unit, baseline, unit,
                baseline != 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::registerSubstitutes();

    TimedHost program;
    const Figures real = measure(program);
    PollingHost polling;
    const Figures baseline = measure(polling);

    std::printf("%-28s %14s %14s %8s\n", "figure", "program", "polling", "ratio");
    row("CPU while flowing", real.flowingCpu * 100, baseline.flowingCpu * 100, "%");
    row("CPU while held", real.heldCpu * 100, baseline.heldCpu * 100, "%");
    row("tick period, median", real.medianMs, baseline.medianMs, "ms");
    row("tick period, 95th pct", real.p95Ms, baseline.p95Ms, "ms");
    std::printf("(designed tick: %.3f ms)\n", tickMs);
    return 0;
}
