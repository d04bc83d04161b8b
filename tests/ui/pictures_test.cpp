// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdlib>
#include <ostream>
#include <utility>

#include "models/main/controls.h"
#include "ui/pictures/icon_painting.h"
#include "ui/pictures/picture_painting.h"

namespace coppia {
namespace {

QByteArray Bytes(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 U32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 U16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// ------------------------------------------------------------------- the toggles, pixel by pixel

// The toggle's design as rows and columns, written out independently of the drawing code.
QRgb ExpectedTogglePixel(int x, int y, bool upperLit) {
    const QRgb litPanel = qRgb(230, 230, 230), litSymbol = qRgb(255, 0, 0);
    const QRgb dimPanel = qRgb(128, 128, 128), dimSymbol = qRgb(128, 0, 0);
    if (x <= 1 || x >= 22 || y <= 1 || y >= 36)
        return qRgb(0, 0, 0);
    const bool upper = y <= 18;
    const bool lit = upper == upperLit;
    bool symbol = false;
    if (upper) {
        symbol = (y >= 3 && y <= 9 && std::abs(x - 12) <= y - 3) ||
                 (y >= 12 && y <= 15 && x >= 6 && x <= 18);
    } else {
        symbol = (y >= 22 && y <= 25 && x >= 6 && x <= 18) ||
                 (y >= 28 && y <= 34 && std::abs(x - 12) <= 34 - y);
    }
    if (symbol)
        return lit ? litSymbol : dimSymbol;
    return lit ? litPanel : dimPanel;
}

struct ToggleRow {
    const char* resource;
    bool upperLit;
};

void PrintTo(const ToggleRow& row, std::ostream* out) {
    *out << row.resource;
}

class TogglePictureTest : public testing::TestWithParam<ToggleRow> {};

TEST_P(TogglePictureTest, MatchesTheDesignPixelForPixel) {
    const QImage image(GetParam().resource);
    ASSERT_EQ(image.size(), QSize(24, 38));
    for (int y = 0; y < 38; ++y) {
        for (int x = 0; x < 24; ++x) {
            ASSERT_EQ(image.pixel(x, y) | 0xff000000u,
                      ExpectedTogglePixel(x, y, GetParam().upperLit))
                << "at column " << x << ", row " << y;
        }
    }
}

TEST_P(TogglePictureTest, IsStoredAs24BitsPerPixel) {
    const QByteArray bmp = Bytes(GetParam().resource);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(U32(bmp, 18), 24u);
    EXPECT_EQ(U32(bmp, 22), 38u);
    EXPECT_EQ(U16(bmp, 28), 24u);
}

TEST_P(TogglePictureTest, TheDoubleSizeRenderHasTheSameDesignInFinerSteps) {
    const QString resource = QString(GetParam().resource).replace(".bmp", "@2x.bmp");
    const QImage dense(resource);
    ASSERT_EQ(dense.size(), QSize(48, 76));
    // Away from the symbols' slanted edges every 2 x 2 block is one pixel of the design.
    int differing = 0;
    for (int y = 0; y < 38; ++y) {
        for (int x = 0; x < 24; ++x) {
            differing += (dense.pixel(2 * x, 2 * y) | 0xff000000u) !=
                         ExpectedTogglePixel(x, y, GetParam().upperLit);
        }
    }
    EXPECT_LT(differing, 30);
    EXPECT_NE(dense, QImage(GetParam().resource).scaled(48, 76)) << "an enlarged 1x picture";
}

INSTANTIATE_TEST_SUITE_P(Toggles, TogglePictureTest,
                         testing::Values(ToggleRow{":/pictures/UpPicture.bmp", true},
                                         ToggleRow{":/pictures/DownPicture.bmp", false}));

TEST(PicturesTest, TheStoredPicturesAreTheOnesTheProgramDraws) {
    EXPECT_EQ(QImage(":/pictures/UpPicture.bmp").convertToFormat(QImage::Format_RGB32),
              pictures::DrawToggle(true));
    EXPECT_EQ(QImage(":/pictures/DownPicture@2x.bmp").convertToFormat(QImage::Format_RGB32),
              pictures::DrawToggle(false, 2));
}

// ------------------------------------------------------------------- the drawing

TEST(WingDrawingTest, IsStoredAt8BitsWithTheCubeTheGreyRampAndBlack) {
    const QByteArray bmp = Bytes(":/pictures/WingDrawing.bmp");
    ASSERT_GE(bmp.size(), 54 + 1024);
    EXPECT_EQ(U32(bmp, 18), 640u);
    EXPECT_EQ(U32(bmp, 22), 374u);
    EXPECT_EQ(U16(bmp, 28), 8u);
    const quint32 used = U32(bmp, 46);
    EXPECT_TRUE(used == 0 || used == 256) << used;

    const QImage image(":/pictures/WingDrawing.bmp");
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    const QVector<QRgb> palette = image.colorTable();
    ASSERT_EQ(palette.size(), 256);
    const int levels[] = {0, 51, 102, 153, 204, 255};
    for (int i = 0; i < 216; ++i) {
        EXPECT_EQ(palette[i], qRgb(levels[i / 36], levels[i / 6 % 6], levels[i % 6])) << i;
    }
    EXPECT_EQ(palette[216], qRgb(0, 0, 0));
    EXPECT_EQ(palette[216 + 19], qRgb(255, 255, 255));
    for (int i = 217; i < 235; ++i) EXPECT_GT(qRed(palette[i]), qRed(palette[i - 1])) << i;
    for (int i = 236; i < 256; ++i) EXPECT_EQ(palette[i], qRgb(0, 0, 0)) << i;
}

bool IsBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xffffff) == 0;
}

class WingDrawingScaleTest : public testing::TestWithParam<int> {
  protected:
    QImage Drawing() const {
        return QImage(GetParam() == 1 ? ":/pictures/WingDrawing.bmp"
                                      : ":/pictures/WingDrawing@2x.bmp");
    }
};

TEST_P(WingDrawingScaleTest, EveryLabelLiesOnBlack) {
    const QImage drawing = Drawing();
    const int scale = GetParam();
    ASSERT_EQ(drawing.size(), QSize(640 * scale, 374 * scale));
    for (const ControlEntry& entry : kControls) {
        if (entry.kind != ControlKind::Label)
            continue;
        const Geometry& g = entry.geometry;
        int lit = 0;
        for (int y = g.top * scale; y < (g.top + g.height) * scale; ++y) {
            for (int x = g.left * scale; x < (g.left + g.width) * scale; ++x) {
                lit += !IsBlack(drawing, x, y);
            }
        }
        EXPECT_EQ(lit, 0) << entry.name << " covers drawn pixels";
    }
}

TEST_P(WingDrawingScaleTest, IsMostlyBlackWithAPlainTopLeftCornerAndBlackRightColumn) {
    const QImage drawing = Drawing();
    const int scale = GetParam();
    int black = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) black += IsBlack(drawing, x, y);
    }
    const double share = static_cast<double>(black) / (drawing.width() * drawing.height());
    EXPECT_GT(share, 0.55);
    EXPECT_LT(share, 0.85);
    for (int y = 0; y < 60 * scale; ++y) {
        for (int x = 0; x < 120 * scale; ++x) ASSERT_TRUE(IsBlack(drawing, x, y)) << x << "," << y;
    }
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 639 * scale; x < 640 * scale; ++x) ASSERT_TRUE(IsBlack(drawing, x, y));
    }
}

TEST_P(WingDrawingScaleTest, UsesItsFourMainColours) {
    const QImage drawing = Drawing();
    int green = 0, blue = 0, red = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb pixel = drawing.pixel(x, y) & 0xffffff;
            green += pixel == 0x00ff00;
            blue += pixel == 0x0000ff;
            red += pixel == 0xff0000;
        }
    }
    const int area = drawing.width() * drawing.height();
    EXPECT_GT(green, area / 10);
    EXPECT_GT(blue, area / 100);
    EXPECT_GT(red, area / 400);
}

INSTANTIATE_TEST_SUITE_P(Scales, WingDrawingScaleTest, testing::Values(1, 2));

TEST(LayoutTest, NoInputFieldOverlapsAnotherControl) {
    const auto overlaps = [](const Geometry& a, const Geometry& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    for (const ControlEntry& field : kControls) {
        if (field.kind != ControlKind::TextBox)
            continue;
        for (const ControlEntry& other : kControls) {
            if (other.id == field.id || other.kind == ControlKind::Image)
                continue;
            EXPECT_FALSE(overlaps(field.geometry, other.geometry))
                << field.name << " overlaps " << other.name;
        }
    }
}

// ------------------------------------------------------------------- the icon

TEST(WindowIconTest, IsAn8BitIconWithAFullPaletteAndNoTransparentPixel) {
    const QByteArray ico = Bytes(COPPIA_PICTURES_DIR "/WindowIcon.ico");
    ASSERT_GE(ico.size(), 6 + 16 + 40 + 1024 + 1024 + 128);
    EXPECT_EQ(U16(ico, 2), 1u);  // an icon
    EXPECT_EQ(U16(ico, 4), 1u);  // one image
    EXPECT_EQ(static_cast<quint8>(ico[6]), 32);
    EXPECT_EQ(static_cast<quint8>(ico[7]), 32);
    EXPECT_EQ(static_cast<quint8>(ico[8]), 0);  // 256 colours
    EXPECT_EQ(U16(ico, 12), 8u);
    const int image = static_cast<int>(U32(ico, 18));
    EXPECT_EQ(U16(ico, image + 14), 8u);
    EXPECT_EQ(U32(ico, image + 32), 256u);
    const QByteArray mask = ico.right(32 * 4);
    EXPECT_EQ(mask, QByteArray(32 * 4, '\0'));

    const QImage icon(COPPIA_PICTURES_DIR "/WindowIcon.ico");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_FALSE(icon.hasAlphaChannel() &&
                 !icon.convertToFormat(QImage::Format_ARGB32).pixelColor(0, 0).alpha());
    EXPECT_EQ(icon.pixel(0, 0) & 0xffffff, 0x000080u);    // navy
    EXPECT_EQ(icon.pixel(15, 1) & 0xffffff, 0xffff00u);   // the propeller
    EXPECT_EQ(icon.pixel(15, 12) & 0xffffff, 0x00ffffu);  // the canopy
    EXPECT_EQ(icon.pixel(2, 12) & 0xffffff, 0xb38b8bu);   // the wing
    // The window shows the PNG render of the same pixels.
    EXPECT_EQ(QImage(":/pictures/WindowIcon-32.png").convertToFormat(QImage::Format_RGB32),
              icon.convertToFormat(QImage::Format_RGB32));
}

// The Windows program's icon holds every size as its PNG, in the order of the sizes: Explorer,
// the task bar and the Start menu each take the one drawn for their size, never a scaled one.
TEST(WindowIconTest, WindowsIconHoldsEverySizeAsDrawnForIt) {
    const QByteArray ico = Bytes(COPPIA_PICTURES_DIR "/WindowIcon-windows.ico");
    ASSERT_GE(ico.size(), 6 + 16 * 8);
    EXPECT_EQ(U16(ico, 2), 1u);
    ASSERT_EQ(U16(ico, 4), 8u);
    quint32 expectedOffset = 6 + 16 * 8;
    const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    for (int entry = 0; entry < 8; ++entry) {
        const int at = 6 + 16 * entry;
        const int size = sizes[entry];
        EXPECT_EQ(static_cast<quint8>(ico[at]), size % 256) << size;
        EXPECT_EQ(U16(ico, at + 6), 32u) << size;
        const quint32 length = U32(ico, at + 8);
        EXPECT_EQ(U32(ico, at + 12), expectedOffset) << size;
        const QImage png =
            QImage::fromData(ico.mid(static_cast<int>(expectedOffset), length), "PNG");
        EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32),
                  QImage(QString(COPPIA_PICTURES_DIR "/WindowIcon-%1.png").arg(size))
                      .convertToFormat(QImage::Format_ARGB32))
            << size;
        expectedOffset += length;
    }
    EXPECT_EQ(expectedOffset, static_cast<quint32>(ico.size()));
}

// Every size of the icon is drawn for that size: each part where the design puts it, and up to
// 32 pixels nothing but the icon's own colours, so that no edge is blurred.
struct IconSizeRow {
    int size;
    bool crisp;
};

void PrintTo(const IconSizeRow& row, std::ostream* out) {
    *out << row.size << " px";
}

// Which of the icon's colours a pixel is, or is closest to.
const char* IconColourName(QRgb pixel) {
    static const std::pair<QRgb, const char*> colours[] = {
        {qRgb(0, 0, 128), "navy"},     {qRgb(179, 139, 139), "airframe"},
        {qRgb(255, 255, 0), "yellow"}, {qRgb(0, 255, 255), "cyan"},
        {qRgb(0, 255, 0), "green"},    {qRgb(255, 0, 0), "red"},
        {qRgb(255, 255, 255), "white"}};
    const char* nearest = "";
    int nearestDistance = 1 << 30;
    for (const auto& [colour, name] : colours) {
        const int distance = std::abs(qRed(colour) - qRed(pixel)) +
                             std::abs(qGreen(colour) - qGreen(pixel)) +
                             std::abs(qBlue(colour) - qBlue(pixel));
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = name;
        }
    }
    return nearest;
}

class IconSizeTest : public testing::TestWithParam<IconSizeRow> {};

TEST_P(IconSizeTest, PutsEachPartWhereTheDesignDoes) {
    const int size = GetParam().size;
    const QImage icon = pictures::DrawIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    // Points of the design in its 32-unit square.
    const struct {
        double x, y;
        const char* colour;
    } parts[] = {{0.5, 0.5, "navy"},     {12, 1.8, "yellow"},   {16, 12.4, "cyan"},
                 {7, 12.25, "red"},      {4.7, 12.25, "green"}, {21.5, 12, "white"},
                 {29.5, 12, "airframe"}, {16, 20, "airframe"},  {16, 31.8, "navy"}};
    for (const auto& part : parts) {
        const int x = static_cast<int>(part.x * size / 32);
        const int y = static_cast<int>(part.y * size / 32);
        EXPECT_STREQ(IconColourName(icon.pixel(x, y)), part.colour) << "at " << x << ", " << y;
    }
}

TEST_P(IconSizeTest, IsCrispUpTo32PixelsAndNotAScaledCopyOfAnotherSize) {
    const int size = GetParam().size;
    const QImage icon = pictures::DrawIcon(size).convertToFormat(QImage::Format_RGB32);
    int blended = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            for (int c : {qRed(pixel), qGreen(pixel), qBlue(pixel)})
                blended += c != 0 && c != 128 && c != 139 && c != 179 && c != 255;
        }
    }
    EXPECT_EQ(blended == 0, GetParam().crisp) << blended << " blended colour channels";
    if (size == 32)
        return;
    const QImage pixelDesign = pictures::DrawIcon(32).convertToFormat(QImage::Format_RGB32);
    for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation})
        EXPECT_NE(icon, pixelDesign.scaled(size, size, Qt::IgnoreAspectRatio, mode));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconSizeTest,
                         testing::Values(IconSizeRow{16, true}, IconSizeRow{22, true},
                                         IconSizeRow{24, true}, IconSizeRow{32, true},
                                         IconSizeRow{48, false}, IconSizeRow{64, false},
                                         IconSizeRow{128, false}, IconSizeRow{256, false}));

}  // namespace
}  // namespace coppia
