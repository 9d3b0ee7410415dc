// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Drawings.h"

#include <QDataStream>
#include <QImageReader>
#include <QResource>
#include <cstring>

namespace {

constexpr QImage::Format format = QImage::Format_ARGB32_Premultiplied;

struct Embedded {
    QString file;
    QImage image;
};

// The build's images, read once: each as file name, size and pixel rows.
const std::vector<Embedded> &embeddedImages()
{
    static const std::vector<Embedded> images = [] {
        std::vector<Embedded> read;
        const QResource resource(QStringLiteral(":/drawings.bin"));
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            return read;
        QDataStream in(QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                               qsizetype(resource.size())));
        while (!in.atEnd()) {
            QString name;
            QSize size;
            QByteArray pixels;
            in >> name >> size >> pixels;
            QImage image(size, format);
            if (in.status() != QDataStream::Ok || pixels.size() != image.sizeInBytes())
                break;
            std::memcpy(image.bits(), pixels.constData(), pixels.size());
            read.push_back({name, image});
        }
        return read;
    }();
    return images;
}

} // namespace

// Through QtSvg's image plugin, which the program loads only when it renders
// a drawing: linking QtSvg would load it at every start.
QImage Drawings::render(const QString &svgFile, QSize pixels)
{
    QImageReader reader(svgFile, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(pixels);
    const QImage image = reader.read();
    return image.isNull() ? image : image.convertToFormat(format);
}

QImage Drawings::embedded(const QString &file, QSize pixels)
{
    for (const Embedded &e : embeddedImages()) {
        if (e.file == file && (pixels.isEmpty() || e.image.size() == pixels))
            return e.image;
    }
    return {};
}

QImage Drawings::image(const QString &svgFile, QSize pixels)
{
    const QImage made = embedded(svgFile, pixels);
    return made.isNull() ? render(svgFile, pixels) : made;
}

QByteArray Drawings::encode(const std::vector<Order> &orders)
{
    QByteArray encoded;
    QDataStream out(&encoded, QIODevice::WriteOnly);
    for (const Order &order : orders) {
        const QImage image = order.file.endsWith(QLatin1String(".svg"))
                                 ? render(order.file, order.pixels)
                                 : QImage(order.file).convertToFormat(format);
        if (image.isNull())
            continue; // the program draws without it
        out << order.file << image.size()
            << QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    }
    return encoded;
}
