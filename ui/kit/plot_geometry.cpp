// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/plot_geometry.h"

#include <algorithm>

#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// A Qt font as the shared layout measures it.
class QtTextMeasure : public TextMeasure {
  public:
    explicit QtTextMeasure(const QFontMetricsF& metrics) : metrics_(metrics) {}
    double Height() const override { return metrics_.height(); }
    double Width(const std::string& text) const override {
        return metrics_.horizontalAdvance(ToQString(text));
    }
    double AverageCharWidth() const override { return metrics_.averageCharWidth(); }
    std::string Elide(const std::string& text, double width) const override {
        return ElideToWidth(metrics_, ToQString(text), width).toStdString();
    }

  private:
    const QFontMetricsF& metrics_;
};

QRectF ToRect(const PlotRect& rect) {
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}

QPen PenOf(const PlotPen& pen) {
    QPen made(ColourOf(pen.colour), pen.width, Qt::SolidLine, Qt::FlatCap,
              pen.roundJoin ? Qt::RoundJoin : Qt::BevelJoin);
    if (!pen.dashes.empty()) {
        made.setDashPattern(QList<qreal>(pen.dashes.begin(), pen.dashes.end()));
        made.setDashOffset(pen.dashOffset);
    }
    return made;
}

std::optional<PlotLabel> LabelOf(const std::optional<PlacedLabel>& label) {
    if (!label)
        return std::nullopt;
    return PlotLabel{ToRect(label->box), ToQString(label->text), ColourOf(label->colour)};
}

}  // namespace

QString ElideToWidth(const QFontMetricsF& metrics, const QString& text, double width) {
    QString cut = text.left(static_cast<qsizetype>(kLongestMeasured));
    // Never half of a character written with two UTF-16 units.
    if (cut.size() < text.size() && !cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    if (cut.size() < text.size())
        cut += QStringLiteral("…");
    return metrics.elidedText(cut, Qt::ElideRight, std::max(width, 0.0));
}

QColor ColourOf(const PlotColour& colour) {
    return QColor::fromRgbF(static_cast<float>(colour.red), static_cast<float>(colour.green),
                            static_cast<float>(colour.blue));
}

QColor TextColour(const QColor& colour) {
    return ColourOf(TextColour(PlotColour{colour.redF(), colour.greenF(), colour.blueF()}));
}

PlotPens PensFor(const PlotData& plot) {
    const PlotStyle style = StyleFor(plot);
    PlotPens pens;
    for (const PlotPen& pen : style.curves) pens.curves.push_back(PenOf(pen));
    for (const PlotPen& pen : style.ratings) pens.ratings.push_back(PenOf(pen));
    pens.deflection = PenOf(style.deflection);
    pens.bandLow = PenOf(style.bandLow);
    pens.bandHigh = PenOf(style.bandHigh);
    pens.bandFill = QBrush(ColourOf(style.bandLow.colour), Qt::BDiagPattern);
    return pens;
}

PlotGeometry LayOutPlot(const QRectF& bounds, const PlotData& plot, const QFontMetricsF& metrics) {
    const PlotPlacement placed =
        PlacePlot({bounds.left(), bounds.top(), bounds.width(), bounds.height()}, plot,
                  StyleFor(plot), QtTextMeasure(metrics));
    PlotGeometry laid;
    laid.area = placed.area;
    laid.mapping = placed.mapping;
    laid.torqueTitle = ToQString(placed.torqueTitle);
    laid.torqueTitleBox = ToRect(placed.torqueTitleBox);
    laid.deflectionTitle = ToQString(placed.deflectionTitle);
    laid.deflectionTitleBox = ToRect(placed.deflectionTitleBox);
    laid.torqueLabelsRight = placed.torqueLabelsRight;
    for (const std::optional<PlacedLabel>& label : placed.marks)
        laid.marks.push_back(LabelOf(label));
    for (const std::optional<PlacedLabel>& label : placed.ratingLabels)
        laid.ratingLabels.push_back(LabelOf(label));
    for (const PlacedLegendEntry& entry : placed.legend) {
        laid.legend.push_back({ToQString(entry.text),
                               entry.pen ? PenOf(*entry.pen) : QPen(Qt::NoPen), entry.marked,
                               ToRect(entry.box), entry.band});
    }
    for (const std::string& name : placed.leftOut) laid.leftOut << ToQString(name);
    return laid;
}

}  // namespace coppia
