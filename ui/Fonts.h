// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The designed fonts by family and point size.
namespace Fonts {

// The designed Windows families are drawn with metric-compatible ones that
// have Cyrillic letters: MS Sans Serif and Arial as Liberation Sans, Times New
// Roman as Liberation Serif. Asking fontconfig for a family that is not
// installed costs a fallback search per font, so the family is named directly.
QFont font(const QString &designedFamily, qreal pointSize, bool bold = false);

} // namespace Fonts
