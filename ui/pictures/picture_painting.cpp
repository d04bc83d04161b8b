// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/picture_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace coppia::pictures {

namespace {

// ---------------------------------------------------------------- toggles

constexpr QRgb kToggleFrame = qRgb(0, 0, 0);
constexpr QRgb kLitPanel = qRgb(230, 230, 230);
constexpr QRgb kLitSymbol = qRgb(255, 0, 0);
constexpr QRgb kDimPanel = qRgb(128, 128, 128);
constexpr QRgb kDimSymbol = qRgb(128, 0, 0);

// Each part of the toggle as a rectangle of its 24 x 38 pixel grid: [left, right) x [top, bottom).
struct GridRect {
    int left, top, right, bottom;
};

void FillGrid(QImage& image, const GridRect& r, QRgb colour, int scale) {
    for (int y = r.top * scale; y < r.bottom * scale; ++y) {
        for (int x = r.left * scale; x < r.right * scale; ++x) image.setPixel(x, y, colour);
    }
}

// A triangle whose apex lies on column 12 and whose base spans columns 6-18: it widens by one
// column on each side per row. Pixels are taken by their centres, so that a larger scale
// draws the same slope in finer steps.
void FillTriangle(QImage& image, int apexRow, int baseRow, QRgb colour, int scale) {
    const bool pointsUp = apexRow < baseRow;
    const double apexEdge = pointsUp ? apexRow : apexRow + 1;  // the apex pixel's outer edge
    const double rows = 7;  // from the apex edge to the base edge
    const int first = std::min(apexRow, baseRow) * scale;
    const int last = (std::max(apexRow, baseRow) + 1) * scale;
    for (int y = first; y < last; ++y) {
        const double rowCentre = (y + 0.5) / scale;
        const double depth = std::fabs(rowCentre - apexEdge);
        const double halfWidth = depth * 6.5 / rows;
        for (int x = 6 * scale; x < 19 * scale; ++x) {
            const double columnCentre = (x + 0.5) / scale;
            if (std::fabs(columnCentre - 12.5) <= halfWidth)
                image.setPixel(x, y, colour);
        }
    }
}

// ---------------------------------------------------------------- the wing drawing

const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kHinge(0, 102, 0);
const QColor kPushrod(0, 102, 102);

// The wing in oblique view: near end at the lower left, tip at the upper right.
const QPointF kLeadingTip(370, 68);
const QPointF kTrailingTip(595, 70);
const QPointF kFixedTrailingStart(482, 151);  // where the aileron ends and the fixed edge runs on
const QPointF kHingeNear(218, 304);
const QPointF kHingeOuter(420, 151);
const QPointF kAileronTrailingNear(281, 335);   // lowered
const QPointF kAileronTrailingOuter(478, 180);  // lowered

// A symmetrical section, thickest near a third of the chord; y grows downward.
double HalfThickness(double fraction) {
    const double t = 0.116;
    return 5 * t *
           (0.2969 * std::sqrt(fraction) - 0.1260 * fraction - 0.3516 * fraction * fraction +
            0.2843 * std::pow(fraction, 3) - 0.1015 * std::pow(fraction, 4));
}

// The whole section runs from the leading edge to the aileron's trailing edge; the wing's part
// of it ends at the hinge, where the aileron's part hangs down from it.
constexpr double kSectionLeft = 64;
constexpr double kSectionChord = 216;
constexpr double kSectionMidY = 308;

// Upper or lower contour of the near-end section, from the leading edge to the hinge.
QPolygonF SectionContour(bool upper) {
    QPolygonF contour;
    for (int i = 0; i <= 48; ++i) {
        const double fraction =
            std::pow(i / 48.0, 2) * ((kHingeNear.x() - kSectionLeft) / kSectionChord);
        const double y = HalfThickness(fraction) * kSectionChord;
        contour << QPointF(kSectionLeft + fraction * kSectionChord,
                           upper ? kSectionMidY - y : kSectionMidY + y);
    }
    return contour;
}

void FillArrowHead(QPainter& painter, QPointF tip, QPointF from, double length = 7,
                   double halfWidth = 3) {
    const QPointF direction = tip - from;
    const double norm = std::hypot(direction.x(), direction.y());
    const QPointF unit = direction / norm;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip - unit * length;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawPolygon(QPolygonF{tip, base + normal * halfWidth, base - normal * halfWidth});
}

// A dimension line with an arrowhead at each end pointing outwards to the extension lines.
void DimensionLine(QPainter& painter, QPointF a, QPointF b) {
    painter.setPen(QPen(kRed, 1));
    painter.drawLine(a, b);
    FillArrowHead(painter, a, b);
    FillArrowHead(painter, b, a);
}

void ExtensionLine(QPainter& painter, QPointF from, QPointF to) {
    painter.setPen(QPen(kRed, 1));
    painter.drawLine(from, to);
}

void DrawWingSurfaces(QPainter& painter) {
    // The fixed part of the wing, its near edge following the top of the section.
    QPolygonF wing;
    wing << kLeadingTip << kTrailingTip << kFixedTrailingStart << kHingeOuter << kHingeNear;
    QPolygonF nearEdge = SectionContour(true);
    for (auto point = nearEdge.crbegin(); point != nearEdge.crend(); ++point) wing << *point;
    painter.setPen(QPen(kYellow, 1));
    painter.setBrush(kGreen);
    painter.drawPolygon(wing);

    // The aileron, lowered, along the trailing edge from the near end to two thirds of the span.
    painter.drawPolygon(
        QPolygonF{kHingeNear, kHingeOuter, kAileronTrailingOuter, kAileronTrailingNear});
    painter.setPen(QPen(kHinge, 2));
    painter.drawLine(kHingeNear, kHingeOuter);

    // The section at the near end, and the aileron's section hanging from the hinge.
    QPolygonF section = SectionContour(true);
    QPolygonF lower = SectionContour(false);
    for (auto point = lower.crbegin(); point != lower.crend(); ++point) section << *point;
    painter.setPen(QPen(kYellow, 1));
    painter.setBrush(kBlue);
    painter.drawPolygon(section);
    const double hingeHalf =
        HalfThickness((kHingeNear.x() - kSectionLeft) / kSectionChord) * kSectionChord;
    painter.drawPolygon(QPolygonF{QPointF(kHingeNear.x(), kSectionMidY - hingeHalf),
                                  QPointF(kHingeNear.x() - 1, kSectionMidY + hingeHalf),
                                  kAileronTrailingNear});

    // At the outer end the lowered aileron shows a sliver of its section below the wing.
    painter.drawPolygon(
        QPolygonF{kHingeOuter + QPointF(5, 1), QPointF(474, 153), QPointF(470, 160)});
}

void DrawLinkage(QPainter& painter) {
    const QPointF pivot(252, 189);
    const QPointF hole(262, 181);
    const QPointF hornTop(333, 208);

    painter.setPen(QPen(kPushrod, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hole, hornTop);

    QPainterPath arm;
    arm.moveTo(pivot);
    arm.lineTo(hole);
    QPainterPathStroker stroker;
    stroker.setWidth(6);
    stroker.setCapStyle(Qt::RoundCap);
    painter.setPen(QPen(kYellow, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(stroker.createStroke(arm));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 51, 51));
    painter.drawEllipse(pivot, 1.4, 1.4);
    painter.drawEllipse(hole, 1.4, 1.4);

    painter.setPen(QPen(kYellow, 1));
    painter.setBrush(kBlue);
    painter.drawPolygon(QPolygonF{QPointF(328, 242), QPointF(339, 239), hornTop});
}

void DrawLoadAndSpeedArrows(QPainter& painter) {
    // The wing loading presses straight down onto the wing.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawPolygon(QPolygonF{QPointF(404, 26), QPointF(412, 26), QPointF(412, 62),
                                  QPointF(420, 62), QPointF(408, 80), QPointF(396, 62),
                                  QPointF(404, 62)});

    // The speed: a broad arrow pointing left, with room above its shaft for its caption.
    painter.setPen(QPen(kRed, 1));
    painter.setBrush(kBlue);
    painter.drawPolygon(QPolygonF{QPointF(19.5, 211), QPointF(59.5, 175.5), QPointF(59.5, 195.5),
                                  QPointF(127.5, 195.5), QPointF(127.5, 227.5),
                                  QPointF(59.5, 227.5), QPointF(59.5, 246.5)});
}

void DrawDimensions(QPainter& painter) {
    // Wing chord, measured where the wing crosses y = 129.
    ExtensionLine(painter, QPointF(290.5, 82), QPointF(290.5, 130));
    ExtensionLine(painter, QPointF(519.5, 82), QPointF(519.5, 128));
    DimensionLine(painter, QPointF(290.5, 87.5), QPointF(519.5, 87.5));

    // Aileron chord: from the hinge line to the lowered trailing edge.
    ExtensionLine(painter, QPointF(358.5, 136), QPointF(358.5, 197));
    ExtensionLine(painter, QPointF(418.5, 170), QPointF(418.5, 225));
    DimensionLine(painter, QPointF(358.5, 140.5), QPointF(418.5, 175.5));

    // Aileron length, parallel to the trailing edge and below it.
    ExtensionLine(painter, kAileronTrailingNear + QPointF(3, 2), QPointF(304, 349));
    ExtensionLine(painter, kAileronTrailingOuter + QPointF(3, 2), QPointF(499, 192));
    DimensionLine(painter, QPointF(300, 345), QPointF(495, 195));

    // Horn arm: from the pushrod's joint down to the hinge, arrows from above and below.
    ExtensionLine(painter, QPointF(336, 208.5), QPointF(360, 208.5));
    ExtensionLine(painter, QPointF(340, 241.5), QPointF(360, 241.5));
    painter.setPen(QPen(kRed, 1));
    painter.drawLine(QPointF(355.5, 241.5), QPointF(355.5, 268));
    FillArrowHead(painter, QPointF(355.5, 208.5), QPointF(355.5, 195));
    FillArrowHead(painter, QPointF(355.5, 241.5), QPointF(355.5, 268));

    // Servo arm: extension lines from the pivot and the outer hole, up and to the left.
    ExtensionLine(painter, QPointF(250, 188), QPointF(154, 180));
    ExtensionLine(painter, QPointF(260, 179), QPointF(190, 150));
    DimensionLine(painter, QPointF(158, 178), QPointF(193, 153));

    // Deflection at the outer end: the undeflected chord, the lowered aileron and the angle
    // between them; the travel of the trailing edge, with a leader up to its field.
    ExtensionLine(painter, kFixedTrailingStart + QPointF(0, 0.5), QPointF(548, 151.5));
    ExtensionLine(painter, kAileronTrailingOuter, QPointF(535, 209));
    const double radius = 126;
    const QRectF circle(kHingeOuter.x() - radius, kHingeOuter.y() - radius, 2 * radius, 2 * radius);
    const double sweep = std::atan2(209 - kHingeOuter.y(), 535 - kHingeOuter.x()) * 180 / M_PI;
    painter.setPen(QPen(kRed, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(circle, 0, static_cast<int>(-sweep * 16));
    const auto onArc = [&](double degrees) {
        const double radians = degrees * M_PI / 180;
        return kHingeOuter + QPointF(radius * std::cos(radians), radius * std::sin(radians));
    };
    FillArrowHead(painter, onArc(0), onArc(5));
    FillArrowHead(painter, onArc(sweep), onArc(sweep - 5));

    DimensionLine(painter, QPointF(480.5, 152), QPointF(480.5, 180));
    ExtensionLine(painter, QPointF(483, 166), QPointF(579, 114));
}

}  // namespace

QVector<QRgb> DrawingPalette() {
    QVector<QRgb> palette;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) palette << qRgb(r * 51, g * 51, b * 51);
        }
    }
    for (int step = 0; step < 20; ++step) {
        const int grey = static_cast<int>(std::lround(step * 255.0 / 19));
        palette << qRgb(grey, grey, grey);
    }
    while (palette.size() < 256) palette << qRgb(0, 0, 0);
    return palette;
}

QImage DrawToggle(bool upperLit, int scale) {
    QImage image(24 * scale, 38 * scale, QImage::Format_RGB32);
    image.fill(kToggleFrame);
    const QRgb upperPanel = upperLit ? kLitPanel : kDimPanel;
    const QRgb upperSymbol = upperLit ? kLitSymbol : kDimSymbol;
    const QRgb lowerPanel = upperLit ? kDimPanel : kLitPanel;
    const QRgb lowerSymbol = upperLit ? kDimSymbol : kLitSymbol;

    FillGrid(image, {2, 2, 22, 19}, upperPanel, scale);
    FillTriangle(image, 3, 9, upperSymbol, scale);
    FillGrid(image, {6, 12, 19, 16}, upperSymbol, scale);

    FillGrid(image, {2, 19, 22, 36}, lowerPanel, scale);
    FillGrid(image, {6, 22, 19, 26}, lowerSymbol, scale);
    FillTriangle(image, 34, 28, lowerSymbol, scale);
    return image;
}

QImage DrawWing(int scale) {
    QImage canvas(640 * scale, 374 * scale, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        DrawWingSurfaces(painter);
        DrawLinkage(painter);
        DrawLoadAndSpeedArrows(painter);
        DrawDimensions(painter);
    }
    // Nearest colours only: dithering would speckle the black behind the labels.
    return canvas.convertToFormat(QImage::Format_Indexed8, DrawingPalette(),
                                  Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace coppia::pictures
