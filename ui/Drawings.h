// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// Pictures as images of a size in device pixels. The ones the main window
// shows at start at 100 % are decoded by the build and embedded in the
// program (app/: talven-render-drawings, the resource, Program), so that the
// start parses no SVG and loads no image format plugin; any other, and every
// one in a program that embeds none, is rendered when asked for.
namespace Drawings {

struct Order {
    QString file; // an SVG drawing, or a picture in a format Qt reads
    QSize pixels; // for a drawing; a picture keeps its own size
};

// Where the build's decoded drawings are, as encode() wrote them: to be
// called once, before the first drawing is asked for.
void useEmbedded(const QString &resource);

// The SVG drawing rendered now; null if the file holds none.
QImage render(const QString &svgFile, QSize pixels);

// The embedded image of a file, of that size if one is given; null if the
// build made none.
QImage embedded(const QString &file, QSize pixels = {});

// The embedded image if there is one, else the SVG drawing rendered now.
QImage image(const QString &svgFile, QSize pixels);

// For the build: the orders' images in the form embedded() reads.
QByteArray encode(const std::vector<Order> &orders);

} // namespace Drawings
