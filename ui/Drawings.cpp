// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Drawings.h"

#include "scene/Scene.h"
#include "ui/ApparatusView.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <cstring>

namespace {
constexpr QImage::Format format = QImage::Format_ARGB32_Premultiplied;
const QString iconFile = QStringLiteral(":/art/talven.svg");
constexpr QSize iconSize(64, 64); // a window manager scales it to its needs
} // namespace

std::vector<Drawings::Order> Drawings::atStart()
{
    std::vector<Order> drawings = ApparatusView::drawingsOf(Scene(), 1);
    drawings.push_back({iconFile, iconSize});
    return drawings;
}

// Through QtSvg's image plugin, which the program loads only when it renders
// a drawing: linking QtSvg would load it at every start.
QImage Drawings::render(const QString &svgFile, QSize pixels)
{
    QImageReader reader(svgFile, "svg");
    reader.setScaledSize(pixels);
    const QImage image = reader.read();
    return image.isNull() ? image : image.convertToFormat(format);
}

QByteArray Drawings::pixelsOf(const QImage &image)
{
    const QImage converted = image.convertToFormat(format);
    return {reinterpret_cast<const char *>(converted.constBits()), converted.sizeInBytes()};
}

QString Drawings::builtName(const QString &svgFile)
{
    return QStringLiteral(":/drawn/") + QFileInfo(svgFile).completeBaseName();
}

QImage Drawings::image(const QString &svgFile, QSize pixels)
{
    const QResource built(builtName(svgFile));
    QImage image(pixels, format);
    if (built.compressionAlgorithm() != QResource::NoCompression || image.isNull() ||
        built.size() != image.sizeInBytes())
        return render(svgFile, pixels); // none of this size: a missing resource is empty
    std::memcpy(image.bits(), built.data(), size_t(image.sizeInBytes()));
    return image;
}

QImage Drawings::readPng(const QString &file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false); // else every plugin is asked
    return reader.read();
}

QIcon Drawings::programIcon()
{
    return QIcon(QPixmap::fromImage(image(iconFile, iconSize)));
}
