#pragma once

#include "sim/Form1.h"
#include "tests/scenario/ScriptedHost.h"

#include <QByteArrayList>

// A fresh main window that has played `script` to its end, with the dumps it printed.
struct Session {
    explicit Session(const QString &script,
                     const QLocale &locale = QLocale(QLocale::Russian, QLocale::Russia))
        : host(parseScript(script), [this](const QByteArray &line) { dumps << line; }),
          form(host, locale)
    {
        form.Form_Load();
        host.play(form);
    }

    const Form1State &state() const { return form.state(); }
    const Scene &scene() const { return form.state().scene; }

    QByteArrayList dumps;
    ScriptedHost host;
    Form1 form;
};
