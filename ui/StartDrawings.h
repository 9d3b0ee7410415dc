// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Drawings.h"

#include <QIcon>

// The pictures the main window draws at start at 100 %: the apparatus, the
// program's icon and the style's group-box frame. The build renders them
// once, and the program embeds them decoded.
namespace StartDrawings {

std::vector<Drawings::Order> list();

// The watering can, in the sizes a window manager asks for.
QIcon programIcon();

} // namespace StartDrawings
