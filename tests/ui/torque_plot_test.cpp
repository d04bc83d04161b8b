// SPDX-License-Identifier: GPL-3.0-or-later
// The torque plot drawn offscreen, checked for what must be on it rather than against a stored
// picture: the fonts of a machine may move a label by a pixel, the curves may not move.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "models/shared/plot_layout.h"
#include "ui/kit/plot_geometry.h"
#include "ui/kit/plot_painter.h"
#include "ui/kit/torque_plot.h"

namespace coppia {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;

// A model's speed rising as the square of the deflection, a slower speed below it, a rated
// torque across; the scale deliberately lower than the curve's top, which must stay inside.
PlotData Sample() {
    PlotData plot;
    PlotCurve slower;
    slower.name = "48 Km/h";
    PlotCurve model;
    model.name = "60 Km/h, modello";
    model.modelSpeed = true;
    for (int angle = 0; angle <= 60; ++angle) {
        slower.points.emplace_back(angle, 0.0003 * angle * angle);
        model.points.emplace_back(angle, 0.0005 * angle * angle);
    }
    model.mark = std::make_pair(60.0, 1.8);
    model.markLabel = "1.80";
    plot.curves = {slower, model};
    plot.deflection = 20;
    plot.ratings = {{"Servo: 0.70 Kg*cm", 0.7, {}}};
    plot.scale = RoundScale(0, 1.5);
    return plot;
}

bool Dark(QRgb pixel) {
    return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool Red(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

bool White(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

struct ScaleRow {
    const char* name;
    double ratio;  // device pixels per logical one
};

void PrintTo(const ScaleRow& row, std::ostream* out) {
    *out << row.name;
}

class PlotPictureTest : public testing::TestWithParam<ScaleRow> {
  protected:
    // The plot as the widget paints it, on an image of the row's pixel ratio.
    void Render(const PlotData& plot) {
        const double ratio = GetParam().ratio;
        image = QImage(static_cast<int>(kWidth * ratio), static_cast<int>(kHeight * ratio),
                       QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        TorquePlot widget;
        widget.resize(kWidth, kHeight);
        widget.Show(plot);
        QPainter painter(&image);
        widget.render(&painter);
        painter.end();
        laid =
            LayOutPlot(QRectF(0, 0, kWidth, kHeight), plot, QFontMetricsF(widget.font(), &image));
    }
    QRgb At(double x, double y) const {
        const double ratio = GetParam().ratio;
        return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    }
    QImage image;
    PlotGeometry laid;
};

TEST_P(PlotPictureTest, DrawsTheModelCurveAlongItsPath) {
    const PlotData plot = Sample();
    Render(plot);
    int drawn = 0;
    int inside = 0;
    for (const auto& [angle, torque] : plot.curves[1].points) {
        if (torque >= plot.scale.high || angle < 10)
            continue;  // beyond the scale; or where the slower curve is drawn over it
        ++inside;
        drawn += Dark(At(laid.mapping.X(angle), laid.mapping.Y(torque))) ? 1 : 0;
    }
    EXPECT_GT(inside, 40);
    EXPECT_EQ(drawn, inside);
    // Halfway between the two curves is neither.
    EXPECT_FALSE(Dark(At(laid.mapping.X(45), laid.mapping.Y(0.0004 * 45 * 45))));
}

TEST_P(PlotPictureTest, DrawsTheRatingAcrossItsRow) {
    Render(Sample());
    const double y = laid.mapping.Y(0.7);
    int red = 0;
    int columns = 0;
    for (double x = laid.area.left + 2; x < laid.area.right() - 2; ++x, ++columns)
        red += Red(At(x, y)) ? 1 : 0;
    // Dashed: five on, three off.
    EXPECT_GT(red, columns / 2);
    EXPECT_LT(red, columns);
    // Its value stands above it at its left end, in its colour; elsewhere it is a line, not a
    // band.
    ASSERT_TRUE(laid.ratingLabels[0].has_value());
    EXPECT_EQ(laid.ratingLabels[0]->text, "Servo da 0.70");
    EXPECT_EQ(laid.ratingLabels[0]->colour, TextColour(PensFor(Sample()).ratings[0].color()));
    EXPECT_LT(laid.ratingLabels[0]->box.bottom(), y);
    EXPECT_LT(laid.ratingLabels[0]->box.right(), laid.area.left + laid.area.width / 2);
    int redAbove = 0;
    for (double x = laid.ratingLabels[0]->box.right() + 1; x < laid.area.right() - 2; ++x)
        redAbove += Red(At(x, y - 5)) ? 1 : 0;
    EXPECT_EQ(redAbove, 0) << "a line, not a band";
}

// Only a marked point's whole dot may reach past the area's edge: the peak at 60° sits on it.
constexpr double kDot = 6;

TEST_P(PlotPictureTest, DrawsNothingRightOfOrAboveTheArea) {
    PlotData plot = Sample();
    plot.curves[0].mark = std::make_pair(60.0, 1.08);
    plot.curves[0].markLabel = "1.08";
    Render(plot);
    const PlotRect& area = laid.area;
    int marked = 0;
    for (double y = 0; y < area.bottom(); ++y) {
        for (double x = area.right() + kDot; x < kWidth; ++x) marked += White(At(x, y)) ? 0 : 1;
    }
    for (double y = 0; y < area.top - kDot; ++y) {
        for (double x = area.left + 1; x < kWidth; ++x) marked += White(At(x, y)) ? 0 : 1;
    }
    EXPECT_EQ(marked, 0);
    // The curve is cut at the top of the area, not dropped: its last pixels inside are there.
    const double x = laid.mapping.X(std::sqrt(plot.scale.high / 0.0005)) - 2;
    EXPECT_TRUE(Dark(At(x, area.top + 1)));
    // Beyond the scale the model's peak has no dot; the slower curve's, within it, has one.
    EXPECT_TRUE(White(At(area.right() + 2, area.top - 2)));
    EXPECT_FALSE(White(At(area.right() + 2, laid.mapping.Y(1.08))));
    EXPECT_TRUE(laid.marks[0].has_value());
    EXPECT_FALSE(laid.marks[1].has_value()) << "no room for a label beyond the scale";
}

// The band's purple, also where a line of it is blended with the white.
bool Purple(QRgb pixel) {
    return qBlue(pixel) > qGreen(pixel) + 30 && qRed(pixel) > qGreen(pixel) + 20;
}

// The second estimate: hatched between its edges, so that a grey print still tells it from the
// curves, its lower edge solid, its upper one dotted; and named in the legend.
TEST_P(PlotPictureTest, DrawsTheBandHatchedBetweenItsEdges) {
    PlotData plot = Sample();
    plot.band = PlotBand{"Seconda stima a 60 Km/h, dal profilo reale al sottile", {}, {}};
    for (int angle = 0; angle <= 60; ++angle) {
        plot.band->low.emplace_back(angle, 0.00005 * angle * angle);
        plot.band->high.emplace_back(angle, 0.00025 * angle * angle);
    }
    Render(plot);
    int hatched = 0;
    int inside = 0;
    const double x = laid.mapping.X(50);
    for (double y = laid.mapping.Y(0.00025 * 2500) + 3; y < laid.mapping.Y(0.00005 * 2500) - 3;
         ++y) {
        for (double dx = 0; dx < 8; ++dx, ++inside) hatched += Purple(At(x + dx, y)) ? 1 : 0;
    }
    EXPECT_GT(hatched, inside / 10) << "filled";
    EXPECT_LT(hatched, inside * 3 / 4) << "hatched, not a tint";
    int solid = 0;
    int dotted = 0;
    for (int angle = 20; angle <= 50; ++angle) {
        solid += Purple(At(laid.mapping.X(angle), laid.mapping.Y(0.00005 * angle * angle))) ? 1 : 0;
        dotted +=
            Purple(At(laid.mapping.X(angle), laid.mapping.Y(0.00025 * angle * angle))) ? 1 : 0;
    }
    EXPECT_EQ(solid, 31);
    EXPECT_GT(dotted, 5);
    int outside = 0;
    for (double y = laid.mapping.Y(1.4); y < laid.mapping.Y(1.2); ++y)
        outside += Purple(At(laid.mapping.X(30), y)) ? 1 : 0;
    EXPECT_EQ(outside, 0) << "nothing of it above its upper edge";
    const auto entry = std::find_if(laid.legend.begin(), laid.legend.end(),
                                    [](const LegendEntry& e) { return e.band; });
    ASSERT_NE(entry, laid.legend.end());
    EXPECT_EQ(entry->text, "Seconda stima a 60 Km/h, dal profilo reale al sottile");
    EXPECT_TRUE(Purple(At(entry->box.left() + kLegendSampleWidth / 2, entry->box.center().y() + 4)))
        << "its sample: the solid lower edge";
}

INSTANTIATE_TEST_SUITE_P(Scales, PlotPictureTest,
                         testing::Values(ScaleRow{"Single", 1}, ScaleRow{"Double", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Elision -----------------------------------------------------------------------------------

struct ElideRow {
    const char* name;
    QString text;
    double width;
};

void PrintTo(const ElideRow& row, std::ostream* out) {
    *out << row.name;
}

class ElideTest : public testing::TestWithParam<ElideRow> {};

TEST_P(ElideTest, FitsTheWidthAndKeepsTheStart) {
    const QFontMetricsF metrics{QFont()};
    const ElideRow& row = GetParam();
    const QString elided = ElideToWidth(metrics, row.text, row.width);
    EXPECT_LE(metrics.horizontalAdvance(elided), row.width);
    EXPECT_TRUE(elided.isValidUtf16());
    // Past a few hundred characters the text is cut before it is measured, whatever the room.
    EXPECT_LE(static_cast<std::size_t>(elided.size()), kLongestMeasured + 1);
    if (static_cast<std::size_t>(row.text.size()) <= kLongestMeasured &&
        metrics.horizontalAdvance(row.text) <= row.width) {
        EXPECT_EQ(elided, row.text);
    } else if (!elided.isEmpty()) {
        EXPECT_TRUE(elided.endsWith(QStringLiteral("…"))) << elided.toStdString();
        EXPECT_TRUE(row.text.startsWith(elided.chopped(1))) << elided.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElideTest,
    testing::Values(ElideRow{"Short", QStringLiteral("Alettone"), 200},
                    ElideRow{"HundredThousandLetters", QString(100000, QLatin1Char('a')), 200},
                    ElideRow{"HundredThousandLettersWide", QString(100000, QLatin1Char('a')), 1e6},
                    ElideRow{"TwoUnitCharacters", QString::fromUtf8("😀").repeated(50000), 150},
                    ElideRow{"NoRoom", QString(1000, QLatin1Char('a')), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The legend ----------------------------------------------------------------------------------

TEST(PlotLegendTest, SaysWhichCurvesCoincideAndElidesLongNames) {
    PlotData plot = Sample();
    plot.curves.push_back(plot.curves[0]);
    plot.curves.back().name = std::string(100000, 'x');
    plot.curves.back().points = plot.curves[1].points;
    const QFontMetricsF metrics{QFont()};
    const PlotGeometry laid = LayOutPlot(QRectF(0, 0, kWidth, kHeight), plot, metrics);
    ASSERT_EQ(laid.legend.size(), 5u) << "three curves, the rating and the deflection";
    EXPECT_EQ(laid.legend[0].text, "48 Km/h");
    const QString coincides = laid.legend[2].text;
    EXPECT_TRUE(coincides.startsWith(QStringLiteral("xxx"))) << coincides.toStdString();
    // Where the default font is wider (Windows'), the name it coincides with is elided too.
    EXPECT_TRUE(coincides.endsWith(QStringLiteral("… (coincide con «60 Km/h, modello»)")) ||
                coincides.endsWith(QStringLiteral("… (coincide con «60 Km/h, model…»)")))
        << coincides.toStdString();
    EXPECT_EQ(laid.legend[3].text, "Servo: 0.70 Kg*cm");
    EXPECT_EQ(laid.legend[4].text, "Deflessione attuale 20.0°");
    for (const LegendEntry& entry : laid.legend) {
        EXPECT_LE(entry.box.right(), kWidth + 0.01) << entry.text.toStdString();
        EXPECT_GE(entry.box.top(), laid.area.bottom()) << entry.text.toStdString();
        EXPECT_LE(entry.box.bottom(), kHeight) << entry.text.toStdString();
    }
}

TEST(PlotLabelsTest, LabelAPointThatCoincidingCurvesShareOnce) {
    PlotData plot = Sample();
    plot.curves[0] = plot.curves[1];
    plot.curves[0].modelSpeed = false;
    const QFontMetricsF metrics{QFont()};
    const QRectF bounds(0, 0, kWidth, kHeight);
    plot.curves[0].mark = plot.curves[1].mark = std::make_pair(20.0, 0.2);
    PlotGeometry laid = LayOutPlot(bounds, plot, metrics);
    EXPECT_FALSE(laid.marks[0].has_value()) << "the model's speed labels it";
    EXPECT_TRUE(laid.marks[1].has_value());
    plot.curves[0].mark = std::make_pair(30.0, 0.45);
    laid = LayOutPlot(bounds, plot, metrics);
    EXPECT_TRUE(laid.marks[0].has_value()) << "a point of its own";
    EXPECT_TRUE(laid.marks[1].has_value());
}

// Eight surfaces of a model with long names, as the model window compares them.
PlotData EightSurfaces() {
    PlotData plot;
    const char* sides[] = {"sinistro", "destro"};
    const char* places[] = {"esterno", "interno", "centrale", "di riserva"};
    for (int i = 0; i < 8; ++i) {
        PlotCurve curve;
        curve.name =
            std::string("Alettone ") + sides[i % 2] + " " + places[i / 2] + " dell'ala principale";
        for (int angle = 0; angle <= 60; ++angle)
            curve.points.emplace_back(angle, (0.0002 + 0.00003 * i) * angle * angle);
        curve.mark = std::make_pair(20.0 + i, curve.points[20 + i].second);
        curve.markLabel = std::to_string(i);
        plot.curves.push_back(curve);
        plot.ratings.push_back(
            {"Servo di " + curve.name, i < 2 ? 3.0 : 1.2 + 0.2 * i, static_cast<std::size_t>(i)});
    }
    plot.scale = RoundScale(0, 3.2);
    return plot;
}

TEST(PlotLegendTest, NamesEveryCurveApartOrSaysHowManyMoreThereAre) {
    const PlotData plot = EightSurfaces();
    for (const QSizeF size : {QSizeF(650, 400), QSizeF(650, 250), QSizeF(300, 250)}) {
        const PlotGeometry laid = LayOutPlot(QRectF(QPointF(), size), plot, QFontMetricsF{QFont()});
        QStringList named;
        for (const LegendEntry& entry : laid.legend) {
            EXPECT_LE(entry.box.right(), size.width() + 0.01) << entry.text.toStdString();
            named << entry.text;
        }
        const QSet<QString> apart(named.begin(), named.end());
        EXPECT_EQ(apart.size(), named.size()) << named.join(" | ").toStdString();
        if (laid.leftOut.isEmpty()) {
            EXPECT_EQ(named.size(), 8) << size.width() << "×" << size.height();
        } else {
            EXPECT_EQ(named.back(), QStringLiteral("… e altre %1").arg(laid.leftOut.size()));
            EXPECT_EQ(named.size() - 1 + laid.leftOut.size(), 8);
        }
    }
    TorquePlot widget;
    widget.resize(300, 250);
    widget.Show(plot);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    const PlotGeometry laid =
        LayOutPlot(QRectF(widget.rect()), plot, QFontMetricsF(widget.font(), &widget));
    ASSERT_FALSE(laid.leftOut.isEmpty());
    QTest::mouseMove(&widget, laid.legend.back().box.center().toPoint());
    EXPECT_TRUE(QToolTip::isVisible() &&
                QToolTip::text().startsWith("Anche: " + laid.leftOut.front() + "\n"))
        << QToolTip::text().toStdString();
    const QString described = widget.accessibleDescription();
    EXPECT_TRUE(described.contains("; fuori dalla legenda: Alettone ") &&
                described.endsWith("; Alettone destro di riserva dell'ala principale"))
        << described.toStdString();
}

TEST(PlotLabelsTest, EachInItsCurvesColourOffTheThickLineAndEqualRatingsSayTheyCoincide) {
    PlotData plot = EightSurfaces();
    plot.curves[3].modelSpeed = true;
    const PlotPens pens = PensFor(plot);
    const PlotGeometry laid =
        LayOutPlot(QRectF(0, 0, kWidth, kHeight), plot, QFontMetricsF{QFont()});
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        if (const std::optional<PlotLabel>& label = laid.marks[i]) {
            EXPECT_EQ(label->colour, TextColour(pens.curves[i].color())) << i;
            EXPECT_EQ(label->text, QString::number(i));
            const std::vector<std::pair<double, double>>& thick = plot.curves[3].points;
            for (std::size_t p = 1; p < thick.size(); ++p) {
                const QLineF segment(
                    laid.mapping.X(thick[p - 1].first), laid.mapping.Y(thick[p - 1].second),
                    laid.mapping.X(thick[p].first), laid.mapping.Y(thick[p].second));
                for (double t = 0; t <= 1; t += 0.05)
                    EXPECT_FALSE(label->box.contains(segment.pointAt(t))) << i << " at " << p;
            }
        }
    }
    ASSERT_TRUE(laid.ratingLabels[0].has_value());
    EXPECT_EQ(laid.ratingLabels[0]->text, "2 servi da 3.00: coincidono");
    EXPECT_FALSE(laid.ratingLabels[1].has_value()) << "one label for lines that coincide";
    // Their lines take turns, so that each colour shows.
    EXPECT_NE(pens.ratings[0].dashOffset(), pens.ratings[1].dashOffset());
    EXPECT_EQ(pens.ratings[0].dashPattern(), pens.ratings[1].dashPattern());
}

TEST(TextColourTest, ReadsOnWhiteAndKeepsItsHue) {
    for (const QColor colour : {QColor(230, 159, 0), QColor(86, 180, 233), QColor(0, 0, 0)}) {
        const QColor text = TextColour(colour);
        EXPECT_LE(text.lightnessF(), 0.45) << colour.name().toStdString();
        EXPECT_EQ(text.hsvHue(), colour.hsvHue()) << colour.name().toStdString();
    }
    EXPECT_EQ(TextColour(QColor(0, 0, 0)), QColor(0, 0, 0));
}

TEST(PlotWidgetTest, TellsAScreenReaderWhatItShows) {
    TorquePlot widget;
    EXPECT_EQ(widget.objectName(), "Grafico");
    EXPECT_FALSE(widget.accessibleName().isEmpty());
    widget.Show(Sample());
    EXPECT_EQ(widget.accessibleDescription(),
              "Coppia massima 1.80 Kg*cm a 60 Km/h, modello a 60°; deflessione attuale 20°, "
              "coppia 0.20 Kg*cm; Servo: 0.70 Kg*cm");
    EXPECT_EQ(widget.ValueAt(1, 20.4), "60 Km/h, modello: 20° → 0.20 Kg*cm");
    EXPECT_EQ(widget.ValueAt(2, 20), "");
}

TEST(PlotWidgetTest, HoveringACurveShowsItsValueThere) {
    TorquePlot widget;
    widget.resize(kWidth, kHeight);
    const PlotData plot = Sample();
    widget.Show(plot);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    const PlotGeometry laid =
        LayOutPlot(QRectF(widget.rect()), plot, QFontMetricsF(widget.font(), &widget));
    const auto hover = [&](double angle, double torque) {
        QTest::mouseMove(&widget,
                         QPointF(laid.mapping.X(angle), laid.mapping.Y(torque) + 2).toPoint());
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hover(30.2, 0.0005 * 900), "60 Km/h, modello: 30° → 0.45 Kg*cm");
    EXPECT_EQ(hover(40, 0.0003 * 1600), "48 Km/h: 40° → 0.48 Kg*cm");
    hover(40, 0.0004 * 1600);  // between the curves, near neither: the tip goes
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

}  // namespace
}  // namespace coppia
