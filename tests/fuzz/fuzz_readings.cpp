// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: two readings typed key by key through the key filter, then
// computed three times, on the scripted host. Input: l0, a zero byte, l'.
// Whatever is typed, the results list holds only finite numbers with at most
// three decimals that read back as themselves, sred1 shows its mean, and
// every click either appends or beeps.
#include "measure/NumberText.h"
#include "scenario/ScriptedHost.h"
#include "sim/Exercise.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    std::vector<Action> script(5, Action{});
    script[0].kind = Action::Kind::Lo;
    script[0].argument = QString::fromUtf8(input.left(split < 0 ? input.size() : split));
    script[1].kind = Action::Kind::Ll;
    script[1].argument = QString::fromUtf8(split < 0 ? QByteArray() : input.mid(split + 1));
    script[2].kind = script[3].kind = script[4].kind = Action::Kind::Compute;
    for (const QLocale &locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale::c()}) {
        ScriptedHost host(script);
        Exercise form(host, locale);
        host.play(form);
        const QStringList &list = form.state().results[0];
        for (const QString &item : list) {
            const std::optional<double> value = NumberText::toNumber(item, form.locale());
            if (!value || NumberText::fromNumber(*value, form.locale()) != item)
                std::abort();
        }
        const std::optional<double> mean = NumberText::meanOf(list, form.locale());
        if (!list.isEmpty() &&
            (!mean || form.state().mean != NumberText::fromNumber(*mean, form.locale())))
            std::abort();
        if (list.size() + form.state().beeps != 3)
            std::abort();
    }
    return 0;
}
