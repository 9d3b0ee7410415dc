// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Drawings.h"

#include <QDataStream>
#include <QImageReader>
#include <QResource>

namespace {

constexpr QImage::Format format = QImage::Format_ARGB32_Premultiplied;

struct Embedded {
    QString file;
    QImage image;
};

QString embeddedResource; // none until the program names it

// The build's images, read once and used in place: each as file name, size,
// padding and pixel rows that start on a four-byte boundary.
const std::vector<Embedded> &embeddedImages()
{
    static const std::vector<Embedded> images = [] {
        std::vector<Embedded> read;
        if (embeddedResource.isEmpty())
            return read;
        const QResource resource(embeddedResource);
        if (resource.compressionAlgorithm() != QResource::NoCompression)
            return read; // a missing resource reads as no data
        const uchar *data = resource.data();
        const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                         qsizetype(resource.size()));
        QDataStream in(bytes);
        while (!in.atEnd()) {
            QString name;
            QSize size;
            quint8 padding{};
            in >> name >> size >> padding;
            in.skipRawData(padding);
            const uchar *pixels = data + in.device()->pos();
            const int length = size.width() * size.height() * 4;
            if (in.status() != QDataStream::Ok || in.skipRawData(length) != length)
                break;
            if (quintptr(pixels) % 4 != 0)
                break; // QImage needs whole pixels on four-byte boundaries
            read.push_back(
                {name, QImage(pixels, size.width(), size.height(), size.width() * 4, format)});
        }
        return read;
    }();
    return images;
}

} // namespace

void Drawings::useEmbedded(const QString &resource)
{
    embeddedResource = resource;
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
        out << order.file << image.size();
        // Pads what follows the padding's own byte to a multiple of four.
        const int padding = int(-(encoded.size() + 1) & 3);
        out << quint8(padding);
        out.writeRawData("\0\0\0", padding);
        out.writeRawData(reinterpret_cast<const char *>(image.constBits()),
                         int(image.sizeInBytes()));
    }
    return encoded;
}
