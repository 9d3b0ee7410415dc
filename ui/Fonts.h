// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The designed fonts by family and point size. Where a designed family is
// missing, a metric-compatible one with Cyrillic letters stands in for it.
namespace Fonts {

void registerSubstitutes();

QFont font(const QString &family, qreal pointSize, bool bold = false);

} // namespace Fonts
