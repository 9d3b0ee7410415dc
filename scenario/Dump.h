// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

class Exercise;

// The state as one line of JSON (UTF-8, no newline), keys in a fixed order.
QByteArray dumpState(const Exercise &form);
