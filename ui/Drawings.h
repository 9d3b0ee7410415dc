// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <vector>

// Pictures as images of a size in device pixels. The build renders the
// drawings the main window shows at start at 100 % into the resources as
// their bare pixels (:/drawn/NAME, app/CMakeLists.txt), so that the start
// neither parses SVG nor reads an image file; any other is rendered from its
// SVG drawing when first asked for.
namespace Drawings {

struct Order {
    QString file; // an SVG drawing
    QSize pixels;
};

// The drawings the build renders: the apparatus at 100 % and the icon.
std::vector<Order> atStart();

// The SVG drawing rendered now; null if the file holds none.
QImage render(const QString &svgFile, QSize pixels);

// The bare pixels of an image, and the resource the build writes them to.
QByteArray pixelsOf(const QImage &image);
QString builtName(const QString &svgFile);

// The build's rendering if it has this size, else the drawing rendered now.
QImage image(const QString &svgFile, QSize pixels);

// A PNG picture. Finding the format of a named file would load every image
// format plugin; this does not.
QImage readPng(const QString &file);

// The watering can as the build rendered it.
QIcon programIcon();

} // namespace Drawings
