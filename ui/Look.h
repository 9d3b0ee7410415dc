// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every window of the program shares, set once before the first widget.
namespace Look {

// The designed font (MS Sans Serif 8.25 pt, through its stand-in) for every
// window, menu and tool tip, so that no other family is ever loaded, and the
// desktop's style without the menu bar's unused extension icon.
void applyToApplication();

} // namespace Look
