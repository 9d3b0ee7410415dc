// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fonts.h"

void Fonts::registerSubstitutes()
{
    struct Substitute {
        const char *designed, *standIn;
    };
    static const Substitute substitutes[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    // Qt consults substitutes only for families that are not installed.
    for (const Substitute &s : substitutes)
        QFont::insertSubstitution(QLatin1String(s.designed), QLatin1String(s.standIn));
}

QFont Fonts::font(const QString &family, qreal pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
