// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Heap held by nested flow invocations: a fill pressed at every tick while the
// tap is open, 100,000 deep, measured with the allocator's own count.
#include "bench/Bench.h"
#include "tests/NestingHost.h"

#include <malloc.h>

namespace {
constexpr int depth = 100'000;
}

void benchNesting()
{
    NestingHost host(depth);
    Exercise form(host, QLocale::c());
    host.form = &form;
    std::size_t heapAtDepth = 0;
    host.atDepth = [&] { heapAtDepth = mallinfo2().uordblks; };
    form.fillWater();
    const std::size_t before = mallinfo2().uordblks;
    form.openTap();
    const double perInvocation = double(heapAtDepth - before) / depth;
    benchRow("heap per nested invocation", "B", perInvocation, "the invocation record",
             double(Exercise::invocationRecordSize()), "few MiB");
}
