// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the window's pictures into a folder, by default this one:
//     cmake --build build --target pictures
#include <QImage>
#include <cstdio>

#include "ui/pictures/picture_painting.h"

using namespace coppia::pictures;

namespace {

bool Save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = folder + '/' + name;
    const bool saved = name.endsWith(".ico") ? WriteIcon(image, path) : image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;
    ok &= Save(DrawIcon(32), folder, "WindowIcon.ico");
    ok &= Save(DrawIcon(32), folder, "WindowIcon-32.png");
    for (int size : {64, 128, 256})
        ok &= Save(DrawIcon(size), folder, QString("WindowIcon-%1.png").arg(size));
    ok &= Save(DrawToggle(true), folder, "UpPicture.bmp");
    ok &= Save(DrawToggle(true, 2), folder, "UpPicture@2x.bmp");
    ok &= Save(DrawToggle(false), folder, "DownPicture.bmp");
    ok &= Save(DrawToggle(false, 2), folder, "DownPicture@2x.bmp");
    ok &= Save(DrawWing(), folder, "WingDrawing.bmp");
    ok &= Save(DrawWing(2), folder, "WingDrawing@2x.bmp");
    return ok ? 0 : 1;
}
