// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/icon_painting.h"

#include <QPainterPath>
#include <QVector>
#include <cmath>
#include <utility>
#include <vector>

namespace coppia::pictures {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kAirframe(179, 139, 139);
const QColor kYellow(255, 255, 0);
const QColor kCanopy(0, 255, 255);
const QColor kRoundelRing(0, 255, 0);
const QColor kRed(255, 0, 0);
// Only where there is room for shading: the smooth design.
const QColor kOutline(112, 76, 76);
const QColor kMovingSurface(152, 114, 114);  // ailerons and elevators, a shade darker
const QColor kShadow(0, 0, 88);
const QColor kGlint(205, 255, 255);

// ---------------------------------------------------------------- 32 pixels, pixel by pixel

// The aeroplane on a 32 x 32 grid, the icon of the window and of its .ico.
void PaintPixelDesign32(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 32, 32), kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAirframe);
    painter.drawRect(QRectF(14, 3, 4, 26));  // fuselage
    painter.drawRect(QRectF(1, 9, 30, 7));   // wings
    painter.drawRect(QRectF(9, 24, 14, 4));  // tailplane
    painter.drawRect(QRectF(15, 29, 2, 2));  // tail cone
    painter.setBrush(kYellow);
    painter.drawRect(QRectF(11, 1, 10, 2));  // propeller
    painter.setBrush(kCanopy);
    painter.drawRect(QRectF(15, 10, 2, 5));  // canopy
    // Roundel on the left wing: a green diamond ring round a red centre.
    painter.setBrush(kRoundelRing);
    painter.drawPolygon(
        QPolygonF{QPointF(7, 9), QPointF(10.5, 12.5), QPointF(7, 16), QPointF(3.5, 12.5)});
    painter.setBrush(kRed);
    painter.drawRect(QRectF(6, 11.5, 2, 2));
    // Three short white stripes on the right wing.
    painter.setBrush(Qt::white);
    for (double x : {21.0, 24.0, 27.0}) painter.drawRect(QRectF(x, 10.5, 1, 4));
}

QVector<QRgb> IconPalette() {
    QVector<QRgb> palette = {kNavy.rgb(),        kAirframe.rgb(), kYellow.rgb(),      kCanopy.rgb(),
                             kRoundelRing.rgb(), kRed.rgb(),      qRgb(255, 255, 255)};
    while (palette.size() < 256) palette << qRgb(0, 0, 0);
    return palette;
}

// ---------------------------------------------------------------- 16, 22 and 24 pixels

// A small icon in whole pixels of its own grid, with what still reads at that size: no tail
// cone, and at 16 pixels two stripes instead of three. The roundel's green ring is the pixels
// round its red centre, corners left out.
struct PixelPlan {
    int size;
    QRect propeller, fuselage, wing, tailplane, canopy, roundelCentre;
    std::vector<QRect> stripes;
};

const PixelPlan kPixelPlans[] = {
    {16,
     {5, 0, 6, 1},
     {7, 1, 2, 14},
     {1, 4, 14, 4},
     {4, 12, 8, 2},
     {7, 5, 2, 2},
     {3, 5, 2, 2},
     {{10, 5, 1, 2}, {12, 5, 1, 2}}},
    {22,
     {7, 1, 8, 1},
     {10, 2, 2, 19},
     {1, 6, 20, 5},
     {6, 17, 10, 2},
     {10, 7, 2, 3},
     {4, 7, 2, 2},
     {{14, 7, 1, 3}, {16, 7, 1, 3}, {18, 7, 1, 3}}},
    {24,
     {8, 1, 8, 1},
     {11, 2, 2, 20},
     {1, 7, 22, 5},
     {7, 18, 10, 3},
     {11, 8, 2, 3},
     {4, 8, 2, 2},
     {{16, 8, 1, 3}, {18, 8, 1, 3}, {20, 8, 1, 3}}},
};

const PixelPlan* PixelPlanFor(int size) {
    for (const PixelPlan& plan : kPixelPlans) {
        if (plan.size == size)
            return &plan;
    }
    return nullptr;
}

void PaintPixelPlan(QPainter& painter, const PixelPlan& plan) {
    painter.fillRect(QRect(0, 0, plan.size, plan.size), kNavy);
    for (const QRect& part : {plan.wing, plan.tailplane, plan.fuselage})
        painter.fillRect(part, kAirframe);
    painter.fillRect(plan.canopy, kCanopy);
    painter.fillRect(plan.roundelCentre.adjusted(-1, 0, 1, 0), kRoundelRing);
    painter.fillRect(plan.roundelCentre.adjusted(0, -1, 0, 1), kRoundelRing);
    painter.fillRect(plan.roundelCentre, kRed);
    for (const QRect& stripe : plan.stripes) painter.fillRect(stripe, Qt::white);
    painter.fillRect(plan.propeller, kYellow);
}

// ---------------------------------------------------------------- 48 pixels and up, smooth

// The shapes below are in the 32-unit square of the pixel design, the nose up. Both wings taper
// from a chord of 7 at the root to 5.2 at the rounded tips.
constexpr double kTrailingEdgeRoot = 16;

double TrailingEdgeAt(double x) {
    return kTrailingEdgeRoot - std::abs(x - 16) / 13.4 * 1.3;
}

QPainterPath Wing() {
    QPainterPath wing;
    wing.moveTo(16, 9);
    wing.lineTo(2.6, 9.5);
    wing.cubicTo(0.7, 9.6, 0.7, 14.6, 2.6, 14.7);
    wing.lineTo(16, kTrailingEdgeRoot);
    wing.lineTo(29.4, 14.7);
    wing.cubicTo(31.3, 14.6, 31.3, 9.6, 29.4, 9.5);
    wing.closeSubpath();
    return wing;
}

QPainterPath Tailplane() {
    QPainterPath tailplane;
    tailplane.moveTo(16, 24);
    tailplane.lineTo(10.2, 24.5);
    tailplane.cubicTo(8.5, 24.6, 8.5, 27.3, 10.2, 27.4);
    tailplane.lineTo(16, 28);
    tailplane.lineTo(21.8, 27.4);
    tailplane.cubicTo(23.5, 27.3, 23.5, 24.6, 21.8, 24.5);
    tailplane.closeSubpath();
    return tailplane;
}

QPainterPath Fuselage() {
    QPainterPath fuselage;
    fuselage.moveTo(16, 3.2);
    fuselage.cubicTo(17.6, 3.2, 18.1, 5.5, 18.1, 8);
    fuselage.lineTo(18.1, 14);
    fuselage.cubicTo(18.1, 20, 17.1, 27, 16.8, 30.1);
    fuselage.quadTo(16, 31, 15.2, 30.1);
    fuselage.cubicTo(14.9, 27, 13.9, 20, 13.9, 14);
    fuselage.lineTo(13.9, 8);
    fuselage.cubicTo(13.9, 5.5, 14.4, 3.2, 16, 3.2);
    return fuselage;
}

// A moving surface along the trailing edge of a wing, between two spans, `chord` deep.
QPolygonF MovingSurface(double fromX, double toX, double chord, double (*trailingEdge)(double)) {
    return {QPointF(fromX, trailingEdge(fromX) - chord), QPointF(toX, trailingEdge(toX) - chord),
            QPointF(toX, trailingEdge(toX)), QPointF(fromX, trailingEdge(fromX))};
}

double TailTrailingEdgeAt(double x) {
    return 28 - std::abs(x - 16) / 5.8 * 0.6;
}

// `fine` adds what only shows from about a hundred pixels up: outlines, the shadow on the navy
// and the glint on the canopy. Smaller, they would only blur the edges.
void PaintSmoothAeroplane(QPainter& painter, bool fine) {
    const QPen outline =
        fine ? QPen(kOutline, 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen);

    painter.fillRect(QRectF(0, 0, 32, 32), kNavy);
    if (fine) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kShadow);
        for (const QPainterPath& part : {Wing(), Tailplane(), Fuselage()})
            painter.drawPath(part.translated(0.5, 0.7));
    }

    painter.setPen(outline);
    painter.setBrush(kAirframe);
    painter.drawPath(Wing());
    painter.drawPath(Tailplane());
    painter.setBrush(kMovingSurface);
    for (const auto& [from, to] : {std::pair{3.4, 11.0}, std::pair{21.0, 28.6}})
        painter.drawPolygon(MovingSurface(from, to, 1.5, TrailingEdgeAt));
    for (const auto& [from, to] : {std::pair{10.4, 15.0}, std::pair{17.0, 21.6}})
        painter.drawPolygon(MovingSurface(from, to, 1.1, TailTrailingEdgeAt));
    painter.setBrush(kAirframe);
    painter.drawPath(Fuselage());
    painter.setPen(fine ? outline : QPen(kMovingSurface, 0.8));
    painter.drawLine(QPointF(16, 23.5), QPointF(16, 30.2));  // the fin, seen from above

    painter.setPen(outline);
    painter.setBrush(kCanopy);
    painter.drawRoundedRect(QRectF(14.8, 9.6, 2.4, 5.6), 1.2, 1.2);
    painter.setPen(Qt::NoPen);
    if (fine) {
        painter.setBrush(kGlint);
        painter.drawEllipse(QPointF(15.55, 11.2), 0.35, 0.95);
    }

    // The roundel on the left wing, green, white and red; three white stripes on the right one,
    // up to the aileron.
    painter.setBrush(kRoundelRing);
    painter.drawEllipse(QPointF(7, 12.25), 2.5, 2.5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(7, 12.25), 1.65, 1.65);
    painter.setBrush(kRed);
    painter.drawEllipse(QPointF(7, 12.25), 0.85, 0.85);
    painter.setBrush(Qt::white);
    for (double x : {21.0, 24.0, 27.0}) painter.drawRect(QRectF(x, 10.3, 1, 3.1));

    painter.setPen(fine ? QPen(kOutline, 0.25) : QPen(Qt::NoPen));
    painter.setBrush(kYellow);
    const double bladeWidth = fine ? 0.75 : 0.95;
    painter.drawEllipse(QPointF(13.3, 2.2), 2.6, bladeWidth);
    painter.drawEllipse(QPointF(18.7, 2.2), 2.6, bladeWidth);
    painter.setBrush(kRed);
    painter.drawEllipse(QPointF(16, 2.5), 1.2, 1.4);  // the spinner
}

}  // namespace

QImage DrawIcon(int size) {
    QImage canvas(size, size, QImage::Format_RGB32);
    QPainter painter(&canvas);
    if (size == 32) {
        PaintPixelDesign32(painter);
        painter.end();
        return canvas.convertToFormat(QImage::Format_Indexed8, IconPalette(),
                                      Qt::ThresholdDither | Qt::AvoidDither);
    }
    if (const PixelPlan* plan = PixelPlanFor(size))
        PaintPixelPlan(painter, *plan);
    else
        PaintScalableIcon(painter, size);
    return canvas;
}

void PaintScalableIcon(QPainter& painter, double size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32, size / 32);
    PaintSmoothAeroplane(painter, size >= 96);
    painter.restore();
}

}  // namespace coppia::pictures
