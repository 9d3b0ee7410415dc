// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario/Dump.h"

#include "sim/Exercise.h"

#include <cstdio>

namespace {

class Json
{
public:
    QByteArray text;

    Json &raw(const char *s)
    {
        text += s;
        return *this;
    }
    Json &key(const char *name)
    {
        if (!text.isEmpty() && !text.endsWith('{') && !text.endsWith('['))
            text += ',';
        string(QString::fromUtf8(name));
        text += ':';
        return *this;
    }
    Json &string(const QString &s)
    {
        text += '"';
        for (const char c : s.toUtf8()) {
            if (c == '"' || c == '\\') {
                text += '\\';
                text += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                text += escaped;
            } else {
                text += c;
            }
        }
        text += '"';
        return *this;
    }
    Json &number(float value)
    {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.9g", double(value));
        text += digits;
        return *this;
    }
    Json &integer(int value) { return raw(QByteArray::number(value).constData()); }
    Json &boolean(bool value) { return raw(value ? "true" : "false"); }
    Json &colour(Colour c)
    {
        switch (c.role) {
        case Colour::Role::Rgb: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", unsigned(c.bgr));
            return string(QString::fromLatin1(hex));
        }
        case Colour::Role::WindowText:
            return string(QStringLiteral("windowtext"));
        case Colour::Role::ButtonText:
            return string(QStringLiteral("buttontext"));
        case Colour::Role::ButtonFace:
            return string(QStringLiteral("buttonface"));
        }
        return *this;
    }
    Json &strings(const QStringList &list)
    {
        raw("[");
        for (int i = 0; i < list.size(); ++i) {
            if (i)
                raw(",");
            string(list[i]);
        }
        return raw("]");
    }
    Json &geometry(const Element &e)
    {
        return key("top").number(e.top).key("height").number(e.height);
    }
    Json &colours(const Element &e)
    {
        return key("fill").colour(e.fill).key("border").colour(e.border);
    }
};

QStringList captions(const Scene &scene, bool left)
{
    QStringList list;
    for (int mark = 0; mark < Scene::scaleMarks; ++mark)
        list << (left ? scene.leftNumber(mark) : scene.rightNumber(mark)).caption;
    return list;
}

} // namespace

QByteArray dumpState(const Exercise &form)
{
    const ExerciseState &s = form.state();
    const Scene &scene = s.scene;
    Json j;
    j.raw("{");
    j.key("voda1").raw("{").geometry(scene.water()).raw("}");
    j.key("voda2").raw("{").geometry(scene.liquid()).colours(scene.liquid()).raw("}");
    j.key("strui1").raw("{").key("visible").boolean(scene.waterStream().visible).raw("}");
    j.key("strui2").raw("{").key("visible").boolean(scene.liquidStream().visible);
    j.colours(scene.liquidStream()).raw("}");
    j.key("strui3")
        .raw("{")
        .geometry(scene.collected())
        .key("visible")
        .boolean(scene.collected().visible);
    j.colours(scene.collected()).raw("}");
    j.key("Command1").boolean(!s.tapOpen).key("Command3").boolean(s.tapOpen);
    j.key("cycles").integer(form.invocations());
    j.key("Combo1").string(s.selectorText).key("zhidkost").integer(s.liquid);
    j.key("Label18").string(s.heading);
    j.key("List1").raw("[");
    for (std::size_t i = 0; i < s.results.size(); ++i) {
        if (i)
            j.raw(",");
        j.strings(s.results[i]);
    }
    j.raw("]");
    j.key("shown").integer(s.liquid).key("sred1").string(s.mean);
    j.key("lo").string(s.waterReading).key("ll").string(s.liquidReading);
    j.key("реверс").boolean(s.scaleReversed);
    j.key("Label1").strings(captions(scene, true)).key("Label2").strings(captions(scene, false));
    j.key("beeps").integer(s.beeps);
    j.raw("}");
    return j.text;
}
