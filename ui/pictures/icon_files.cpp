// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/icon_files.h"

#include <QBuffer>
#include <QFile>
#include <QVector>
#include <QtEndian>

namespace coppia::pictures {

namespace {

void Put16(QByteArray& bytes, int value) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(value));
    bytes.append(reinterpret_cast<const char*>(&le), 2);
}

void Put32(QByteArray& bytes, qint64 value) {
    const quint32 le = qToLittleEndian(static_cast<quint32>(value));
    bytes.append(reinterpret_cast<const char*>(&le), 4);
}

// The directory's header: an icon file (not a cursor) of `count` images.
void PutIconHeader(QByteArray& bytes, int count) {
    Put16(bytes, 0);
    Put16(bytes, 1);
    Put16(bytes, count);
}

// One image's entry in the directory: its side (256 written as 0, the format's one way of
// saying it), its palette's size (0: none, or 256 colours), bits per pixel, length and offset.
void PutDirectoryEntry(QByteArray& bytes, int size, int bitsPerPixel, qint64 length,
                       qint64 offset) {
    bytes.append(static_cast<char>(size == 256 ? 0 : size));
    bytes.append(static_cast<char>(size == 256 ? 0 : size));
    bytes.append(static_cast<char>(0));
    bytes.append(static_cast<char>(0));  // reserved
    Put16(bytes, 1);                     // colour planes
    Put16(bytes, bitsPerPixel);
    Put32(bytes, length);
    Put32(bytes, offset);
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

}  // namespace

bool WriteIcon(const QImage& indexed, const QString& path) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.width() != indexed.height() ||
        indexed.width() > 255) {
        return false;
    }
    const int size = indexed.width();
    const int maskStride = ((size + 31) / 32) * 4;
    const int pixelBytes = size * size;
    const int imageBytes = 40 + 256 * 4 + pixelBytes + maskStride * size;

    QByteArray bytes;
    PutIconHeader(bytes, 1);
    PutDirectoryEntry(bytes, size, 8, imageBytes, 6 + 16);
    // The image: a bitmap header of twice the height (colour rows, then the mask rows).
    Put32(bytes, 40);
    Put32(bytes, size);
    Put32(bytes, size * 2);
    Put16(bytes, 1);
    Put16(bytes, 8);
    Put32(bytes, 0);
    Put32(bytes, pixelBytes + maskStride * size);
    Put32(bytes, 0);
    Put32(bytes, 0);
    Put32(bytes, 256);
    Put32(bytes, 0);
    QVector<QRgb> colours = indexed.colorTable();
    colours.resize(256, qRgb(0, 0, 0));
    for (QRgb colour : colours) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append(static_cast<char>(0));
    }
    for (int y = size - 1; y >= 0; --y) {
        bytes.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), size);
    }
    bytes.append(QByteArray(maskStride * size, '\0'));  // every pixel opaque

    return WriteWhole(path, bytes);
}

bool WriteIconFamily(const std::vector<QImage>& images, const QString& path) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        if (image.isNull() || image.width() != image.height() || image.width() > 256)
            return false;
        pngs.push_back(Png(image));
    }
    const int directoryBytes = 6 + 16 * static_cast<int>(images.size());
    QByteArray bytes;
    PutIconHeader(bytes, static_cast<int>(images.size()));
    qint64 offset = directoryBytes;
    for (std::size_t i = 0; i < images.size(); ++i) {
        PutDirectoryEntry(bytes, images[i].width(), 32, pngs[i].size(), offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) bytes.append(png);
    return WriteWhole(path, bytes);
}

}  // namespace coppia::pictures
