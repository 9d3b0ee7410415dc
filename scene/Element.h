// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Colour.h"

#include <QString>

// One named element of the apparatus drawing. Geometry is in twips
// (1/1440 inch, 15 to a pixel at 96 dpi), single precision, and reads back
// exactly as last written: fractions accumulate.
struct Element {
    enum class Kind { Rectangle, Oval, Line, Label, Picture };

    struct Font {
        QString family;
        qreal pointSize{};
        bool bold{};
    };

    Kind kind = Kind::Rectangle;
    QString name;
    int index = -1; // position in a control array (Label1, Label2); -1 otherwise
    bool visible = true;

    // Rectangles, ovals, labels and pictures: the box, in twips.
    float left{}, top{}, width{}, height{};

    // Lines: the end points, in twips.
    float x1{}, y1{}, x2{}, y2{};

    // Rectangles and ovals: a transparent fill paints nothing inside.
    bool filled{};
    Colour fill;
    // Rectangles, ovals and lines.
    bool bordered{};
    Colour border;
    int borderWidth{}; // whole pixels

    // Labels: the box is the caption's size, from left and top.
    QString caption;
    Colour fore = Colour::buttonText();
    bool opaque{}; // an opaque label fills its box in `back`
    Colour back = Colour::buttonFace();
    Font font;

    // Pictures: the resource stretched over the box.
    QString picture;

    float bottom() const { return top + height; }
};
