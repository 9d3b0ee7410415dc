// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// Drops the offscreen platform's notices about window features it does not
// have, so that real warnings stand out. Call from initTestCase(), after
// QtTest has installed its own handler.
inline void quietOffscreenNotices()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg &&
                (message.startsWith(QLatin1String("This plugin does not support")) ||
                 message.contains(QLatin1String("propagateSizeHints"))))
                return;
            previous(type, context, message);
        });
}
