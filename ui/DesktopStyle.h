// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QColor;
class QPainter;
class QRect;

// The desktop's style, for every window of the program, with a visible focus
// and without the menu bar's unused extension icon.
namespace DesktopStyle {

// Set once before the first widget.
void install();

// The focus outline: one pixel inside `rect` on all four sides, filled rather
// than stroked so that no side rounds away at 125 or 150 %.
void drawFocusOutline(QPainter &painter, const QRect &rect, const QColor &colour);

} // namespace DesktopStyle
