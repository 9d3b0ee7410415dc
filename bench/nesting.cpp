// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Heap held by nested flow invocations: a fill pressed at every tick while the
// tap is open, 100,000 deep, measured with the allocator's own count.
#include "bench/Bench.h"
#include "sim/FlowHost.h"
#include "sim/Form1.h"

#include <malloc.h>

namespace {

constexpr int depth = 100'000;

// Presses a fill at every pump (and drains to keep the level), then closes
// the window once the nesting is deep enough.
class NestingHost : public FlowHost
{
public:
    Form1 *form = nullptr;
    std::size_t heapAtDepth = 0;

    void processEvents() override
    {
        if (form->invocations() >= depth) {
            heapAtDepth = mallinfo2().uordblks;
            form->closeWindow();
            return;
        }
        while (form->state().scene.voda1().height > 2000)
            form->Command9_Click();
        form->Command2_Click();
    }
    void waitForEvents() override {}
    double now() override { return m_clock; }
    void sleepUntil(double t) override { m_clock = t; }
    void beep() override {}

private:
    double m_clock = 0;
};

} // namespace

void benchNesting()
{
    NestingHost host;
    Form1 form(host, QLocale::c());
    host.form = &form;
    form.Command2_Click();
    const std::size_t before = mallinfo2().uordblks;
    form.Command1_Click();
    const double perInvocation = double(host.heapAtDepth - before) / depth;
    benchRow("heap per nested invocation", "B", perInvocation, "the invocation record",
             double(Form1::invocationRecordSize()), "few MiB");
}
