// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/Element.h"
#include "ui/Drawings.h"

#include <QHash>
#include <QImage>
#include <QWidget>
#include <vector>

class Scene;

// Paints the apparatus: every visible scene element in drawing order, twips
// mapped to logical pixels so that the picture stays crisp at any device pixel
// ratio. Reads the scene, writes nothing.
class ApparatusView : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal twipsPerPixel = 15;

    explicit ApparatusView(const Scene &scene, QWidget *parent = nullptr);
    QSize sizeHint() const override;

    // Schedules a repaint when the scene looks different from the last paint.
    void refresh();

    // Where the focus outline goes: around the part of the apparatus that
    // the window's frames leave in view.
    void setFocusArea(const QRect &area) { m_focusArea = area; }

    // The drawings a scene shows, at the sizes the view paints them.
    static std::vector<Drawings::Order> drawingsOf(const Scene &scene, qreal ratio);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor resolve(Colour colour) const;
    QRect bounds(const Element &e) const;
    QRectF labelRect(const Element &e) const;
    struct LabelFont {
        QFont font;
        QHash<QString, QSizeF> textSizes; // by caption
        QSizeF sizeOf(const QString &caption);
    };
    LabelFont &labelFont(const Element &e) const;
    void paintShape(QPainter &painter, const Element &e) const;
    void paintLine(QPainter &painter, const Element &e) const;
    void paintLabel(QPainter &painter, const Element &e) const;
    void paintPicture(QPainter &painter, const Element &e);

    const Scene &m_scene;
    QRect m_focusArea;
    std::vector<Element> m_painted;                 // the scene as last painted
    QHash<QString, QImage> m_pictures;              // made once per size and pixel ratio
    mutable QHash<QString, LabelFont> m_labelFonts; // by family, size and weight
};
