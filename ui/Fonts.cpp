// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fonts.h"

QFont Fonts::font(const QString &designedFamily, qreal pointSize, bool bold)
{
    const bool serif = designedFamily == QLatin1String("Times New Roman");
    QFont f(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
