// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's painter (ui/kit/plot_painter.cpp) writes the same plot with QPainter: the two
// draw one layout, in the same order, with the same colours and measures.
#include "web/core/plot_svg.h"

#include <cmath>
#include <cstdio>

#include "models/shared/plot_labels.h"
#include "models/shared/plot_placement.h"
#include "models/shared/plot_style.h"
#include "web/core/svg_text_measure.h"

namespace coppia {

namespace {

constexpr std::string_view kBackground = "#ffffff";
constexpr std::string_view kMinorGrid = "#e8e8e8";
constexpr std::string_view kGrid = "#c8c8c8";
constexpr std::string_view kAxis = "#505050";
constexpr std::string_view kText = "#000000";
constexpr std::string_view kFontFamily = "'Liberation Sans', Arial, Helvetica, sans-serif";

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value + 0.0);
    std::string written = text;
    while (written.back() == '0') written.pop_back();
    if (written.back() == '.')
        written.pop_back();
    return written == "-0" ? "0" : written;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Colour(const PlotColour& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x",
                  static_cast<int>(std::lround(colour.red * 255)),
                  static_cast<int>(std::lround(colour.green * 255)),
                  static_cast<int>(std::lround(colour.blue * 255)));
    return text;
}

// A pen's stroke: its dashes are in pen widths, an SVG's in pixels.
std::string Stroke(const PlotPen& pen) {
    std::string stroke = " stroke=\"" + Colour(pen.colour) + "\" stroke-width=\"" +
                         Number(pen.width) + "\" fill=\"none\" stroke-linejoin=\"" +
                         (pen.roundJoin ? "round" : "bevel") + "\"";
    if (!pen.dashes.empty()) {
        std::string dashes;
        for (const double dash : pen.dashes)
            dashes += (dashes.empty() ? "" : " ") + Number(dash * pen.width);
        stroke += " stroke-dasharray=\"" + dashes + "\" stroke-dashoffset=\"" +
                  Number(pen.dashOffset * pen.width) + "\"";
    }
    return stroke;
}

class SvgWriter {
  public:
    SvgWriter(const PlotData& plot, const PlotPlacement& laid, const PlotStyle& style,
              const SvgTextMeasure& measure, std::string_view id)
        : plot_(plot),
          laid_(laid),
          style_(style),
          measure_(measure),
          clip_(std::string(id) + "-area"),
          hatch_(std::string(id) + "-hatch") {}

    void Line(double x1, double y1, double x2, double y2, std::string_view stroke) {
        out += "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) +
               "\" y2=\"" + Number(y2) + "\"" + std::string(stroke) + "/>";
    }
    // Text in a box as Qt aligns it: centred on the box's middle line, at its left, centre or
    // right.
    void Text(const PlotRect& box, std::string_view anchor, std::string_view colour,
              const std::string& text, std::string_view transform = {}) {
        const double x = anchor == "start" ? box.left
                         : anchor == "end" ? box.right()
                                           : box.left + box.width / 2;
        const double baseline =
            box.top + box.height / 2 - measure_.Height() / 2 + measure_.Ascent();
        out += "<text x=\"" + Number(x) + "\" y=\"" + Number(baseline) + "\" text-anchor=\"" +
               std::string(anchor) + "\" fill=\"" + std::string(colour) + "\"" +
               (transform.empty() ? "" : " transform=\"" + std::string(transform) + "\"") + ">" +
               Escaped(text) + "</text>";
    }
    void Mark(double x, double y, const PlotColour& colour) {
        out += "<circle cx=\"" + Number(x) + "\" cy=\"" + Number(y) + "\" r=\"" +
               Number(kPlotMarkRadius) + "\" fill=\"" + Colour(colour) +
               "\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>";
    }

    void GridLines(bool major, std::string_view colour) {
        const PlotRect& area = laid_.area;
        const std::string stroke = " stroke=\"" + std::string(colour) + "\" stroke-width=\"1\"";
        for (const double deflection :
             major ? MajorTicks(kDeflectionScale) : MinorTicks(kDeflectionScale)) {
            const double x = PixelCentre(laid_.mapping.X(deflection));
            Line(x, area.top, x, area.bottom(), stroke);
        }
        for (const double torque : major ? MajorTicks(plot_.scale) : MinorTicks(plot_.scale)) {
            const double y = PixelCentre(laid_.mapping.Y(torque));
            Line(area.left, y, area.right(), y, stroke);
        }
    }

    // The band's hatch, as the desktop's: lines from bottom left to top right every 8 pixels.
    void Hatch() {
        out += "<defs><pattern id=\"" + hatch_ +
               "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\"><path d=\"M0,8 "
               "L8,0 M-2,2 L2,-2 M6,10 L10,6\" stroke=\"" +
               Colour(style_.bandLow.colour) + "\" stroke-width=\"1\"/></pattern></defs>";
    }

    std::string Points(const std::vector<std::pair<double, double>>& points) const {
        std::string text;
        for (const auto& [angle, torque] : points) {
            text += (text.empty() ? "" : " ") + Number(laid_.mapping.X(angle)) + "," +
                    Number(laid_.mapping.Y(torque));
        }
        return text;
    }

    // The band under everything else: hatched between its edges, its edges drawn.
    void Band() {
        if (!plot_.band)
            return;
        std::vector<std::pair<double, double>> outline = plot_.band->low;
        outline.insert(outline.end(), plot_.band->high.rbegin(), plot_.band->high.rend());
        out += "<polygon points=\"" + Points(outline) + "\" fill=\"url(#" + hatch_ +
               ")\" stroke=\"none\"/>";
        out +=
            "<polyline points=\"" + Points(plot_.band->low) + "\"" + Stroke(style_.bandLow) + "/>";
        out += "<polyline points=\"" + Points(plot_.band->high) + "\"" + Stroke(style_.bandHigh) +
               "/>";
    }

    void Lines() {
        const PlotRect& area = laid_.area;
        out += "<clipPath id=\"" + clip_ + "\"><rect x=\"" + Number(area.left) + "\" y=\"" +
               Number(area.top) + "\" width=\"" + Number(area.width) + "\" height=\"" +
               Number(area.height) + "\"/></clipPath><g clip-path=\"url(#" + clip_ + ")\">";
        Band();
        for (std::size_t i = 0; i < plot_.ratings.size(); ++i) {
            if (!plot_.ratings[i].value)
                continue;
            const double y = laid_.mapping.Y(*plot_.ratings[i].value);
            Line(area.left, y, area.right(), y, Stroke(style_.ratings[i]));
        }
        if (plot_.deflection) {
            const double x = laid_.mapping.X(*plot_.deflection);
            Line(x, area.top, x, area.bottom(), Stroke(style_.deflection));
        }
        for (const std::size_t i : DrawingOrder(plot_.curves)) {
            const PlotCurve& curve = plot_.curves[i];
            if (curve.points.empty())
                continue;
            out += "<polyline points=\"" + Points(curve.points) + "\"" + Stroke(style_.curves[i]) +
                   "/>";
        }
        out += "</g>";
    }

    void Axes() {
        const PlotRect& area = laid_.area;
        const double left = PixelCentre(area.left);
        const double bottom = PixelCentre(area.bottom());
        const std::string axis = " stroke=\"" + std::string(kAxis) + "\" stroke-width=\"1\"";
        Line(left, area.top, left, bottom, axis);
        Line(left, bottom, area.right(), bottom, axis);
        const double line = measure_.Height();
        for (const double torque : MajorTicks(plot_.scale)) {
            const double y = PixelCentre(laid_.mapping.Y(torque));
            Line(left - kPlotTickLength, y, left, y, axis);
            Text({laid_.torqueLabelsRight - 1000, y - line / 2, 1000, line}, "end", kText,
                 TickText(torque, plot_.scale.decimals));
        }
        for (const double deflection : MajorTicks(kDeflectionScale)) {
            const double x = PixelCentre(laid_.mapping.X(deflection));
            Line(x, bottom, x, bottom + kPlotTickLength, axis);
            Text({x - 50, bottom + kPlotTickLength + 1, 100, line}, "middle", kText,
                 TickText(deflection, 0));
        }
        Text(laid_.deflectionTitleBox, "middle", kText, laid_.deflectionTitle);
        const PlotRect& box = laid_.torqueTitleBox;
        const double cx = box.left + box.width / 2;
        const double cy = box.top + box.height / 2;
        Text({cx - box.height / 2, cy - box.width / 2, box.height, box.width}, "middle", kText,
             laid_.torqueTitle, "rotate(-90 " + Number(cx) + " " + Number(cy) + ")");
    }

    // A marked point within the area gets its whole dot; of curves marked at one point, the
    // first drawn, whose colour its label has, shows its dot on top.
    void Marks() {
        const PlotRect& area = laid_.area;
        const std::vector<std::size_t> order = DrawingOrder(plot_.curves);
        for (auto at = order.rbegin(); at != order.rend(); ++at) {
            const PlotCurve& curve = plot_.curves[*at];
            if (!curve.mark)
                continue;
            const double x = laid_.mapping.X(curve.mark->first);
            const double y = laid_.mapping.Y(curve.mark->second);
            if (x >= area.left - 0.5 && x <= area.right() + 0.5 && y >= area.top - 0.5 &&
                y <= area.bottom() + 0.5)
                Mark(x, y, style_.curves[*at].colour);
        }
    }

    void Labels() {
        for (const auto* labels : {&laid_.marks, &laid_.ratingLabels}) {
            for (const std::optional<PlacedLabel>& label : *labels) {
                if (!label)
                    continue;
                const PlotRect& box = label->box;
                out += "<rect x=\"" + Number(box.left) + "\" y=\"" + Number(box.top) +
                       "\" width=\"" + Number(box.width) + "\" height=\"" + Number(box.height) +
                       "\" fill=\"#ffffff\" fill-opacity=\"0.82\"/>";
                Text(box, "middle", Colour(label->colour), label->text);
            }
        }
    }

    void Legend() {
        for (const PlacedLegendEntry& entry : laid_.legend) {
            const PlotRect& box = entry.box;
            if (!entry.pen) {
                Text(box, "start", kText, entry.text);
                continue;
            }
            const double y = box.top + box.height / 2;
            if (entry.band) {
                out += "<rect x=\"" + Number(box.left + 1) + "\" y=\"" + Number(y - 4) +
                       "\" width=\"" + Number(kLegendSampleWidth - 2) +
                       "\" height=\"8\" fill=\"url(#" + hatch_ + ")\"/>";
                Line(box.left + 1, y - 4, box.left + kLegendSampleWidth - 1, y - 4,
                     Stroke(style_.bandHigh));
                Line(box.left + 1, y + 4, box.left + kLegendSampleWidth - 1, y + 4,
                     Stroke(style_.bandLow));
            } else {
                Line(box.left + 1, y, box.left + kLegendSampleWidth - 1, y, Stroke(*entry.pen));
            }
            if (entry.marked)
                Mark(box.left + kLegendSampleWidth / 2, y, entry.pen->colour);
            const double indent = kLegendSampleWidth + kLegendSampleGap;
            Text({box.left + indent, box.top, box.width - indent, box.height}, "start", kText,
                 entry.text);
        }
    }

    std::string out;

  private:
    const PlotData& plot_;
    const PlotPlacement& laid_;
    const PlotStyle& style_;
    const SvgTextMeasure& measure_;
    std::string clip_;
    std::string hatch_;
};

std::string Described(std::string_view description, const std::vector<std::string>& leftOut) {
    std::string described(description);
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        described += (i == 0 ? "; fuori dalla legenda: " : "; ") + leftOut[i];
    return described;
}

}  // namespace

std::string PlotSvg(const PlotData& plot, const SvgSize& size, std::string_view id,
                    std::string_view name, std::string_view description) {
    const SvgTextMeasure measure(size.fontSize);
    const PlotStyle style = StyleFor(plot);
    const PlotPlacement laid = PlacePlot({0, 0, size.width, size.height}, plot, style, measure);
    SvgWriter writer(plot, laid, style, measure, id);
    const std::string width = Number(size.width);
    const std::string height = Number(size.height);
    writer.out = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" viewBox=\"0 0 " + width +
                 " " + height + "\" width=\"" + width + "\" height=\"" + height +
                 "\" font-family=\"" + std::string(kFontFamily) + "\" font-size=\"" +
                 Number(size.fontSize) + "\"><title>" + Escaped(name) + "</title><desc>" +
                 Escaped(Described(description, laid.leftOut)) + "</desc><rect width=\"" + width +
                 "\" height=\"" + height + "\" fill=\"" + std::string(kBackground) + "\"/>";
    writer.Hatch();
    writer.GridLines(false, kMinorGrid);
    writer.GridLines(true, kGrid);
    writer.Lines();
    writer.Axes();
    writer.Marks();
    writer.Labels();
    writer.Legend();
    return writer.out + "</svg>";
}

}  // namespace coppia
