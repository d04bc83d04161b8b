// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the window's pictures and the program's icons into a folder, by default this one:
//     cmake --build build --target pictures
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/pictures/icon_files.h"
#include "ui/pictures/icon_painting.h"
#include "ui/pictures/picture_painting.h"

using namespace coppia::pictures;

namespace {

bool Report(bool saved, const QString& path) {
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

bool Save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = folder + '/' + name;
    return Report(name.endsWith(".ico") ? WriteIcon(image, path) : image.save(path), path);
}

// The scalable icon, for icon themes: the smooth design as SVG paths, on a 256-pixel canvas.
bool SaveScalableIcon(const QString& folder, const QString& name) {
    const QString path = folder + '/' + name;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Coppia"));
    svg.setDescription(QStringLiteral("A propeller aeroplane seen from above"));
    QPainter painter(&svg);
    PaintScalableIcon(painter, 256);
    return Report(painter.end(), path);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;
    ok &= Save(DrawIcon(32), folder, "WindowIcon.ico");
    for (int size : kIconSizes)
        ok &= Save(DrawIcon(size), folder, QString("WindowIcon-%1.png").arg(size));
    ok &= SaveScalableIcon(folder, "WindowIcon.svg");
    std::vector<QImage> family;
    for (int size : kIconSizes) family.push_back(DrawIcon(size));
    ok &= Report(WriteIconFamily(family, folder + "/WindowIcon-windows.ico"),
                 folder + "/WindowIcon-windows.ico");
    ok &= Save(DrawToggle(true), folder, "UpPicture.bmp");
    ok &= Save(DrawToggle(true, 2), folder, "UpPicture@2x.bmp");
    ok &= Save(DrawToggle(false), folder, "DownPicture.bmp");
    ok &= Save(DrawToggle(false, 2), folder, "DownPicture@2x.bmp");
    ok &= Save(DrawWing(), folder, "WingDrawing.bmp");
    ok &= Save(DrawWing(2), folder, "WingDrawing@2x.bmp");
    // The web page's, in the format a browser takes, from the same drawing.
    for (const char* toggle : {"UpPicture", "DownPicture"}) {
        const bool upper = QString(toggle) == "UpPicture";
        ok &= Save(DrawToggle(upper), folder, QString("%1.png").arg(toggle));
        ok &= Save(DrawToggle(upper, 2), folder, QString("%1@2x.png").arg(toggle));
    }
    ok &= Save(DrawWing(), folder, "WingDrawing.png");
    ok &= Save(DrawWing(2), folder, "WingDrawing@2x.png");
    return ok ? 0 : 1;
}
