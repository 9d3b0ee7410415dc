// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus as designed: every element with its start values, in drawing
// order (back to front). Twips throughout; colours as 0x00BBGGRR.
#include "scene/Scene.h"

#include "scene/Geometry.h"

namespace {

using Kind = Element::Kind;

struct Fill {
    bool solid;
    Colour colour;
};
constexpr Fill transparent{false, {}};
constexpr Fill solid(Colour c)
{
    return {true, c};
}

struct Border {
    bool drawn;
    Colour colour;
    int width; // pixels
};
constexpr Border noBorder{};
constexpr Border border(Colour c, int width = 1)
{
    return {true, c, width};
}

Element shape(const char *name, Kind kind, float left, float top, float width, float height,
              Fill fill, Border edge, bool visible = true)
{
    Element e;
    e.kind = kind;
    e.name = QString::fromLatin1(name);
    e.visible = visible;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.filled = fill.solid;
    e.fill = fill.colour;
    e.bordered = edge.drawn;
    e.border = edge.colour;
    e.borderWidth = edge.width;
    return e;
}

Element rect(const char *name, float left, float top, float width, float height, Fill fill,
             Border edge)
{
    return shape(name, Kind::Rectangle, left, top, width, height, fill, edge);
}

// A liquid column: solid pale blue, bordered in the window-text colour.
Element column(const char *name, float left)
{
    return shape(name, Kind::Rectangle, left, Geometry::emptyColumnTop, 240,
                 Geometry::emptyColumnHeight, solid(Colours::paleBlue),
                 border(Colour::windowText()));
}

// A stream or the collected liquid: pale blue all over, hidden at start.
Element liquid(const char *name, float left, float top, float width, float height)
{
    return shape(name, Kind::Rectangle, left, top, width, height, solid(Colours::paleBlue),
                 border(Colours::paleBlue), false);
}

Element line(const char *name, float x1, float y1, float x2, float y2, Colour colour, int width = 1)
{
    Element e;
    e.kind = Kind::Line;
    e.name = QString::fromLatin1(name);
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.border = colour;
    e.borderWidth = width;
    return e;
}

// A horizontal mark of a scale, one pixel wide.
Element scaleMark(const char *name, float x1, float x2, float y, Colour colour)
{
    return line(name, x1, y, x2, y, colour);
}

Element picture(const char *name, const char *resource, float left, float top, float width,
                float height)
{
    Element e = shape(name, Kind::Picture, left, top, width, height, transparent, noBorder);
    e.picture = QString::fromLatin1(resource);
    return e;
}

// A label sizes itself to its caption: only its place is designed.
Element label(const char *name, float left, float top)
{
    return shape(name, Kind::Label, left, top, {}, {}, transparent, noBorder);
}

// "l о" and "l '" above the tubes: dark blue on the window's own background.
Element tubeLabel(const char *name, const char16_t *caption, float left, float top)
{
    Element e = label(name, left, top);
    e.caption = QString::fromUtf16(caption);
    e.fore = Colours::darkBlue;
    e.opaque = true;
    e.back = Colour::buttonFace();
    e.font = {QStringLiteral("MS Sans Serif"), 9.75, true};
    return e;
}

// The number beside major mark `mark` of a scale: 0 and 5 dark red.
Element scaleNumber(const char *name, int mark, float left)
{
    constexpr float aboveItsMark = 120; // twips
    Element e = label(name, left, Geometry::markZeroY - aboveItsMark - Geometry::division * mark);
    e.index = mark;
    e.caption = QString::number(mark);
    const bool end = mark == 0 || mark == Scene::scaleMarks - 1;
    e.fore = end ? Colours::darkRed : Colour::buttonText();
    e.font = {QStringLiteral("Times New Roman"), 8.25, true};
    return e;
}

} // namespace

std::vector<Element> designedScene()
{
    const Colour black = Colours::black, darkGrey = Colours::darkGrey, grey = Colours::grey;
    const Colour windowText = Colour::windowText();

    std::vector<Element> s = {
        tubeLabel("Label20", u"l о", 360, 360),
        tubeLabel("Label21", u"l '", 1680, 360),
        picture("Image3", ":/art/table.svg", -600, 5520, 7005, 1050),
        picture("Image2", ":/art/base.svg", 780, 5760, 690, 210),
        picture("Image1", ":/art/rod.svg", 1050, 960, 165, 4845),
        column("voda2", 1320),
        column("voda1", 720),
        //   name     Left  Top   Width Height  fill               border
        rect("Shape1", 720, 360, 255, 3495, transparent, border(black, 3)),
        rect("Shape2", 1320, 360, 255, 3495, transparent, border(black, 3)),
        rect("Shape3", 780, 3840, 135, 255, solid(black), border(black)),
        rect("Shape4", 1388, 3840, 135, 255, solid(black), noBorder),
        //   name     X1    X2    Y     colour
        scaleMark("Line1", 600, 960, 840, black),
        scaleMark("Line2", 600, 960, 3840, black),
        scaleMark("Line3", 600, 960, 3240, windowText),
        scaleMark("Line4", 600, 960, 2640, black),
        scaleMark("Line5", 600, 960, 2040, black),
        scaleMark("Line6", 600, 960, 1440, black),
        scaleMark("Line7", 1320, 1680, 840, windowText),
        scaleMark("Line8", 1320, 1680, 3840, windowText),
        scaleMark("Line9", 1320, 1680, 3240, windowText),
        scaleMark("Line10", 1320, 1680, 2640, windowText),
        scaleMark("Line11", 1320, 1680, 2040, windowText),
        scaleMark("Line12", 1320, 1680, 1440, windowText),
    };
    for (int mark = 0; mark < Scene::scaleMarks; ++mark)
        s.push_back(scaleNumber("Label1", mark, 480));
    for (int mark = 0; mark < Scene::scaleMarks; ++mark)
        s.push_back(scaleNumber("Label2", mark, 1740));

    const std::vector<Element> front = {
        rect("Shape5", 960, 1800, 375, 135, solid(grey), border(windowText)),
        rect("Shape6", 960, 2400, 375, 135, solid(grey), border(windowText)),
        shape("Shape7", Kind::Oval, 1005, 2040, 255, 255, solid(grey), border(windowText)),
        line("Line13", 1035, 2160, 1225, 2160, windowText, 2), // slot of the clamp screw
        scaleMark("Line14", 720, 960, 3540, darkGrey),
        scaleMark("Line15", 720, 960, 3240, black),
        scaleMark("Line16", 720, 960, 2940, darkGrey),
        scaleMark("Line17", 720, 960, 2340, darkGrey),
        scaleMark("Line18", 720, 960, 1140, darkGrey),
        scaleMark("Line19", 720, 960, 1740, darkGrey),
        scaleMark("Line20", 1320, 1560, 3540, darkGrey),
        scaleMark("Line21", 1320, 1560, 2940, darkGrey),
        scaleMark("Line22", 1320, 1560, 2340, darkGrey),
        scaleMark("Line23", 1320, 1560, 1140, darkGrey),
        scaleMark("Line24", 1320, 1560, 1740, darkGrey),
        //     name     Left  Top   Width Height
        liquid("strui2", 1388, 4080, 135, 2055),
        liquid("strui1", 780, 4080, 135, 2055),
        liquid("strui3", 480, Geometry::collectedStartTop, 1335, Geometry::collectedStartHeight),
        rect("Shape8", 480, 4680, 1350, 1455, transparent, border(darkGrey, 3)),
    };
    s.insert(s.end(), front.begin(), front.end());
    return s;
}
