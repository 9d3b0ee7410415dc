// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: two readings typed key by key through the key filter, then
// computed. Input: l0, a zero byte, l'. Whatever is typed, the results list
// holds only finite numbers with at most three decimals, and sred1 its mean.
#include "measure/NumberText.h"
#include "sim/FlowHost.h"
#include "sim/Form1.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct NoHost : FlowHost {
    void processEvents() override {}
    void waitForEvents() override {}
    double now() override { return 0; }
    void sleepUntil(double) override {}
    void beep() override {}
};

void type(Form1 &form, bool lo, const QString &keys)
{
    QString text;
    for (QChar key : keys) {
        lo ? form.lo_KeyPress(key) : form.ll_KeyPress(key);
        text += key;
    }
    lo ? form.setLoText(text) : form.setLlText(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    NoHost host;
    for (const QLocale &locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale::c()}) {
        Form1 form(host, locale);
        form.closeWindow();
        type(form, true, QString::fromUtf8(input.left(split < 0 ? input.size() : split)));
        type(form, false, QString::fromUtf8(split < 0 ? QByteArray() : input.mid(split + 1)));
        for (int click = 0; click < 3; ++click)
            form.Command5_Click();
        const QStringList &list = form.state().List1[0];
        for (const QString &item : list) {
            const std::optional<double> value = NumberText::toNumber(item, form.locale());
            if (!value || NumberText::fromNumber(*value, form.locale()) != item)
                std::abort();
        }
        const std::optional<double> mean = NumberText::meanOf(list, form.locale());
        if (!list.isEmpty() &&
            (!mean || form.state().sred1Caption != NumberText::fromNumber(*mean, form.locale())))
            std::abort();
        if (list.size() + form.state().beeps != 3)
            std::abort(); // every click either appends or beeps
    }
    return 0;
}
