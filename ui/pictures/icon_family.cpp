// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/icon_family.h"

#include <QBuffer>
#include <QFile>
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

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

}  // namespace

bool WriteIconFamily(const std::vector<QImage>& images, const QString& path) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        if (image.isNull() || image.width() != image.height() || image.width() > 256)
            return false;
        pngs.push_back(Png(image));
    }
    const int directoryBytes = 6 + 16 * static_cast<int>(images.size());
    QByteArray bytes;
    Put16(bytes, 0);
    Put16(bytes, 1);  // an icon, not a cursor
    Put16(bytes, static_cast<int>(images.size()));
    qint64 offset = directoryBytes;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        // 256 is written as 0, the format's one way of saying it.
        bytes.append(static_cast<char>(size == 256 ? 0 : size));
        bytes.append(static_cast<char>(size == 256 ? 0 : size));
        bytes.append(static_cast<char>(0));  // no palette
        bytes.append(static_cast<char>(0));
        Put16(bytes, 1);   // colour planes
        Put16(bytes, 32);  // bits per pixel
        Put32(bytes, pngs[i].size());
        Put32(bytes, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) bytes.append(png);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace coppia::pictures
