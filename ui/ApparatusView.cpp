// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ApparatusView.h"

#include "scene/Scene.h"
#include "ui/DesktopStyle.h"
#include "ui/Fonts.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {

constexpr qreal px(float twips)
{
    return twips / ApparatusView::twipsPerPixel;
}

QRectF box(const Element &e)
{
    return {px(e.left), px(e.top), px(e.width), px(e.height)};
}

} // namespace

ApparatusView::ApparatusView(const Scene &scene, QWidget *parent) : QWidget(parent), m_scene(scene)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Glassware on a light bench: the system colours of the standard light
    // scheme whatever the desktop's, so that ticks and numbers stay readable.
    setPalette(style()->standardPalette());
    setAccessibleName(tr("Вискозиметр"));
    // A tab stop of its own, so that a screen reader, which speaks the changes
    // of the focused object only, follows the levels while the liquid flows.
    setFocusPolicy(Qt::TabFocus);
}

namespace {
// What painting reads of an element that the handlers may change.
bool looksAlike(const Element &a, const Element &b)
{
    return a.visible == b.visible && a.left == b.left && a.top == b.top && a.width == b.width &&
           a.height == b.height && a.fill == b.fill && a.border == b.border &&
           a.caption == b.caption;
}
} // namespace

// Repaints only where elements changed: the moving liquid lies left of the
// frames, so a tick does not repaint the controls stacked over the view.
void ApparatusView::refresh()
{
    const std::vector<Element> &now = m_scene.elements();
    if (m_painted.empty()) { // the first look: the window's first paint shows it all
        m_painted = now;
        return;
    }
    QRegion changed;
    auto painted = m_painted.begin();
    for (const Element &e : now) {
        if (!looksAlike(e, *painted)) {
            changed += bounds(*painted);
            changed += bounds(e);
            *painted = e;
        }
        ++painted;
    }
    update(changed);
}

// The pixels an element may cover, rounded outwards.
QRect ApparatusView::bounds(const Element &e) const
{
    QRectF area = box(e);
    if (e.kind == Element::Kind::Line)
        area = QRectF(QPointF(px(e.x1), px(e.y1)), QPointF(px(e.x2), px(e.y2))).normalized();
    else if (e.kind == Element::Kind::Label)
        area = labelRect(e);
    const int margin = e.borderWidth + 1;
    return area.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QRectF ApparatusView::labelRect(const Element &e) const
{
    return QRectF(box(e).topLeft(), labelFont(e).sizeOf(e.caption));
}

// Fonts and text sizes are looked up once: the scale numbers repaint at
// every tick, and measuring a text shapes it.
ApparatusView::LabelFont &ApparatusView::labelFont(const Element &e) const
{
    const QString key =
        QStringLiteral("%1/%2/%3").arg(e.font.family).arg(e.font.pointSize).arg(e.font.bold);
    auto found = m_labelFonts.find(key);
    if (found == m_labelFonts.end())
        found = m_labelFonts.insert(
            key, {Fonts::font(e.font.family, e.font.pointSize, e.font.bold), {}});
    return *found;
}

QSizeF ApparatusView::LabelFont::sizeOf(const QString &caption)
{
    auto found = textSizes.find(caption);
    if (found == textSizes.end())
        found = textSizes.insert(caption, QFontMetricsF(font).size(Qt::TextSingleLine, caption));
    return *found;
}

QSize ApparatusView::sizeHint() const
{
    return (QSizeF(Scene::width, Scene::height) / twipsPerPixel).toSize();
}

QColor ApparatusView::resolve(Colour colour) const
{
    switch (colour.role) {
    case Colour::Role::Rgb:
        return QColor(colour.red(), colour.green(), colour.blue());
    case Colour::Role::WindowText:
        return palette().color(QPalette::WindowText);
    case Colour::Role::ButtonText:
        return palette().color(QPalette::ButtonText);
    case Colour::Role::ButtonFace: // the window's own background
        return palette().color(QPalette::Window);
    }
    return {};
}

void ApparatusView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    for (const Element &e : m_scene.elements()) {
        if (!e.visible)
            continue;
        switch (e.kind) {
        case Element::Kind::Rectangle:
        case Element::Kind::Oval:
            paintShape(painter, e);
            break;
        case Element::Kind::Line:
            paintLine(painter, e);
            break;
        case Element::Kind::Label:
            paintLabel(painter, e);
            break;
        case Element::Kind::Picture:
            paintPicture(painter, e);
            break;
        }
    }
    if (hasFocus())
        DesktopStyle::drawFocusOutline(painter, m_focusArea, palette().color(QPalette::Highlight));
}

// The fill covers the box; a border of width w lies inside it. A box too
// small to hold its border is all border.
void ApparatusView::paintShape(QPainter &painter, const Element &e) const
{
    const QRectF outer = box(e);
    const bool oval = e.kind == Element::Kind::Oval;
    const qreal half = e.borderWidth / 2.0;
    const QRectF inner = outer.adjusted(half, half, -half, -half);
    painter.setRenderHint(QPainter::Antialiasing, oval);
    if (e.bordered && inner.isEmpty()) {
        painter.fillRect(outer, resolve(e.border));
        return;
    }
    painter.setPen(e.bordered ? QPen(resolve(e.border), e.borderWidth, Qt::SolidLine, Qt::SquareCap,
                                     Qt::MiterJoin)
                              : QPen(Qt::NoPen));
    painter.setBrush(e.filled ? QBrush(resolve(e.fill)) : QBrush(Qt::NoBrush));
    if (oval) {
        painter.drawEllipse(e.bordered ? inner : outer);
    } else if (e.bordered) {
        if (e.filled)
            painter.fillRect(outer, resolve(e.fill));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner);
    } else {
        painter.fillRect(outer, resolve(e.fill));
    }
}

// A line of width w covers w pixels below and right of its end points.
void ApparatusView::paintLine(QPainter &painter, const Element &e) const
{
    const qreal half = e.borderWidth / 2.0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(resolve(e.border), e.borderWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(px(e.x1), px(e.y1) + half, px(e.x2), px(e.y2) + half));
}

void ApparatusView::paintLabel(QPainter &painter, const Element &e) const
{
    const QRectF rect = labelRect(e);
    if (e.opaque)
        painter.fillRect(rect, resolve(e.back));
    painter.setFont(labelFont(e).font);
    painter.setPen(resolve(e.fore));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, e.caption);
}

namespace {
QSize pixelsOf(const Element &picture, qreal ratio)
{
    return (box(picture).size() * ratio).toSize();
}
} // namespace

std::vector<Drawings::Order> ApparatusView::drawingsOf(const Scene &scene, qreal ratio)
{
    std::vector<Drawings::Order> drawings;
    for (const Element &e : scene.elements()) {
        if (e.kind == Element::Kind::Picture)
            drawings.push_back({e.picture, pixelsOf(e, ratio)});
    }
    return drawings;
}

// The drawings are made once for the device's resolution.
void ApparatusView::paintPicture(QPainter &painter, const Element &e)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = pixelsOf(e, ratio);
    QImage &picture = m_pictures[e.picture];
    if (picture.size() != pixels || picture.devicePixelRatio() != ratio) {
        picture = Drawings::image(e.picture, pixels);
        picture.setDevicePixelRatio(ratio);
    }
    painter.drawImage(box(e).topLeft(), picture);
}
