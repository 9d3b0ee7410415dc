// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/Form1.h"
#include "tests/scenario/ScriptedHost.h"

#include <QByteArrayList>
#include <QJsonDocument>
#include <QJsonObject>

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

    // The i-th dump, and its values by key, as in at(2, "voda1", "height").
    QJsonObject dump(int i) const { return QJsonDocument::fromJson(dumps.value(i)).object(); }

    QJsonValue at(int i, const char *key) const { return dump(i).value(QLatin1String(key)); }
    QJsonValue at(int i, const char *element, const char *field) const
    {
        return at(i, element).toObject().value(QLatin1String(field));
    }

    QByteArrayList dumps;
    ScriptedHost host;
    Form1 form;
};
