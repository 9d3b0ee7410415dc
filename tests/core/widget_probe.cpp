// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Built only by the test core_rejects_widgets, which passes when this fails:
// a target that links the core alone has no widget headers.
#include <QWidget>

int probe()
{
    return sizeof(QWidget);
}
