// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Drawings.h"

class QColor;
class QPainter;
class QRect;

// What every window of the program shares, set once before the first widget.
namespace Look {

// The designed font (MS Sans Serif 8.25 pt, through its stand-in) for every
// window, menu and tool tip, so that no other family is ever loaded; the
// desktop's style with a visible focus and without the menu bar's unused
// extension icon.
void applyToApplication();

// The focus outline: one pixel inside `rect` on all four sides, filled rather
// than stroked so that no side rounds away at 125 or 150 %.
void drawFocusOutline(QPainter &painter, const QRect &rect, const QColor &colour);

// The pictures the style draws at start, for the build to embed.
std::vector<Drawings::Order> drawingsAtStart();

} // namespace Look
