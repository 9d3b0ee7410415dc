// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <tuple>

// A colour as the window stores it: 24-bit RGB packed as 0x00BBGGRR (blue in
// the third byte from the right), or a colour of the desktop's scheme named by
// its role, resolved only when painting.
struct Colour {
    enum class Role { Rgb, WindowText, ButtonText, ButtonFace };

    Role role = Role::Rgb;
    quint32 bgr{}; // 0x00BBGGRR; used when role is Rgb

    static constexpr Colour rgb(quint32 bgr) { return {Role::Rgb, bgr}; }
    static constexpr Colour windowText() { return {Role::WindowText, {}}; }
    static constexpr Colour buttonText() { return {Role::ButtonText, {}}; }
    static constexpr Colour buttonFace() { return {Role::ButtonFace, {}}; }

    constexpr int red() const { return int(bgr & 0xFF); }
    constexpr int green() const { return int((bgr >> 8) & 0xFF); }
    constexpr int blue() const { return int((bgr >> 16) & 0xFF); }

    friend constexpr bool operator==(Colour a, Colour b)
    {
        return std::tie(a.role, a.bgr) == std::tie(b.role, b.bgr); // a role's bgr is always 0
    }
};

namespace Colours {
inline constexpr Colour black = Colour::rgb(0x00000000);
inline constexpr Colour darkGrey = Colour::rgb(0x00404040);
inline constexpr Colour grey = Colour::rgb(0x00808080);
inline constexpr Colour paleBlue = Colour::rgb(0x00FFC0C0); // the liquid colour at start
inline constexpr Colour darkRed = Colour::rgb(0x00000080);
inline constexpr Colour darkBlue = Colour::rgb(0x00C00000);
inline constexpr Colour red = Colour::rgb(0x000000FF);
inline constexpr Colour darkYellow = Colour::rgb(0x0000C0C0);
inline constexpr Colour olive = Colour::rgb(0x00008080);
} // namespace Colours
