// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "models/shared/plot_labels.h"

namespace coppia {

namespace {

// Names in the description are cut to this many characters: a screen reader reads them whole.
constexpr std::size_t kDescribedName = 200;

// The steps of a scale from low to high; none for a scale that does not rise.
std::vector<double> Steps(const PlotScale& scale, double step) {
    std::vector<double> values;
    if (!(step > 0) || !(scale.high > scale.low))
        return values;
    const double first = std::ceil(scale.low / step - 1e-9);
    const double last = std::floor(scale.high / step + 1e-9);
    // A scale of a million steps is no scale anybody reads; RoundScale gives about six.
    if (last - first > 10000)
        return values;
    for (double n = first; n <= last; ++n) values.push_back(n * step + 0.0);
    return values;
}

bool SamePoints(const PlotCurve& a, const PlotCurve& b) {
    if (a.points.empty() || a.points.size() != b.points.size())
        return false;
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        const double scale = std::max({1.0, std::fabs(a.points[i].second)});
        if (a.points[i].first != b.points[i].first ||
            std::fabs(a.points[i].second - b.points[i].second) > 1e-9 * scale)
            return false;
    }
    return true;
}

std::string Degrees(double angle) {
    return FormatPlainNumber(std::round(angle * 10) / 10) + "°";
}

// A name as the description reads it: cut to a few hundred letters, and said to be cut.
std::string Named(const std::string& name) {
    const std::string cut = CutText(name, kDescribedName);
    return cut.size() < name.size() ? cut + "…" : cut;
}

std::string MarkWords(const PlotCurve& curve) {
    return curve.markLabel + " Kg*cm a " + Degrees(curve.mark->first);
}

// The analysis: the peak of the model's speed, and its torque at the current deflection.
std::string DescribeModelSpeed(const PlotCurve& curve, std::optional<double> deflection) {
    std::string words;
    if (curve.mark)
        words = "Coppia massima " + curve.markLabel + " Kg*cm a " + Named(curve.name) + " a " +
                Degrees(curve.mark->first);
    if (!deflection)
        return words;
    words +=
        (words.empty() ? "Deflessione attuale " : "; deflessione attuale ") + Degrees(*deflection);
    const double whole = std::round(*deflection);
    for (const auto& [angle, torque] : curve.points) {
        if (angle == whole)
            words += ", coppia " + TorqueText(torque) + " Kg*cm";
    }
    return words;
}

}  // namespace

bool PlotRect::Overlaps(const PlotRect& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() &&
           other.top < bottom();
}

bool PlotRect::Holds(const PlotRect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right() <= right() &&
           inner.bottom() <= bottom();
}

std::vector<double> MajorTicks(const PlotScale& scale) {
    return Steps(scale, scale.step);
}

std::vector<double> MinorTicks(const PlotScale& scale) {
    const int between = std::max(scale.minorTicks, 0) + 1;
    std::vector<double> minor;
    const double step = scale.step / between;
    for (const double value : Steps(scale, step)) {
        const double ofStep = std::fabs(value / scale.step - std::round(value / scale.step));
        if (ofStep > 1e-6)
            minor.push_back(value);
    }
    return minor;
}

PlotMapping::PlotMapping(PlotRect area, const PlotScale& across, const PlotScale& up)
    : area_(area), across_(across), up_(up) {}

double PlotMapping::X(double deflection) const {
    const double span = across_.high - across_.low;
    return area_.left + (span > 0 ? (deflection - across_.low) / span * area_.width : 0);
}

double PlotMapping::Y(double torque) const {
    const double span = up_.high - up_.low;
    return area_.bottom() - (span > 0 ? (torque - up_.low) / span * area_.height : 0);
}

double PlotMapping::DeflectionAt(double x) const {
    if (!(area_.width > 0))
        return across_.low;
    return across_.low + (x - area_.left) / area_.width * (across_.high - across_.low);
}

double PixelCentre(double position) {
    return std::floor(position) + 0.5;
}

namespace {

// As they come, a row filled before the next.
LegendLayout LegendFlow(const std::vector<double>& widths, double rowWidth, double gap) {
    LegendLayout layout;
    double x = 0;
    for (const double width : widths) {
        if (x > 0 && x + width > rowWidth) {
            ++layout.rows;
            x = 0;
        }
        layout.rowOf.push_back(layout.rows);
        layout.leftOf.push_back(x);
        layout.widthOf.push_back(std::min(width, rowWidth));
        x += std::min(width, rowWidth) + gap;
    }
    if (x > 0)
        ++layout.rows;
    return layout;
}

// In `columns` cells a row, the first `shown` of them.
LegendLayout LegendCells(const std::vector<double>& widths, double rowWidth, double gap,
                         std::size_t columns, std::size_t shown) {
    LegendLayout layout;
    layout.columns = columns;
    const double cell = LegendCellWidth(rowWidth, gap, columns);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i >= shown) {
            layout.rowOf.push_back(std::nullopt);
            layout.leftOf.push_back(0);
            layout.widthOf.push_back(0);
            continue;
        }
        layout.rowOf.push_back(i / columns);
        layout.leftOf.push_back(static_cast<double>(i % columns) * (cell + gap));
        layout.widthOf.push_back(std::min(widths[i], cell));
    }
    layout.leftOut = widths.size() - shown;
    const std::size_t used = shown + (layout.leftOut > 0 ? 1 : 0);
    layout.rows = (used + columns - 1) / columns;
    if (layout.leftOut > 0) {
        layout.moreRow = shown / columns;
        layout.moreLeft = static_cast<double>(shown % columns) * (cell + gap);
        layout.moreWidth = cell;
    }
    return layout;
}

}  // namespace

LegendLayout LegendRows(const std::vector<double>& widths, double rowWidth, double gap,
                        std::size_t mostRows, double narrowest) {
    const LegendLayout flow = LegendFlow(widths, rowWidth, gap);
    if (flow.rows <= mostRows)
        return flow;
    // The fewest columns that hold them all, each as wide as it may be.
    const std::size_t rows = std::max<std::size_t>(mostRows, 1);
    std::size_t columns = 1;
    for (std::size_t c = 2; LegendCellWidth(rowWidth, gap, c) >= narrowest; ++c) {
        columns = c;
        if (rows * c >= widths.size())
            return LegendCells(widths, rowWidth, gap, c, widths.size());
    }
    return LegendCells(widths, rowWidth, gap, columns, rows * columns - 1);
}

double LegendCellWidth(double rowWidth, double gap, std::size_t columns) {
    return (rowWidth - static_cast<double>(columns - 1) * gap) / static_cast<double>(columns);
}

std::string MoreEntries(std::size_t leftOut) {
    return "… e altre " + std::to_string(leftOut);
}

std::vector<std::optional<std::size_t>> CoincidingCurves(const std::vector<PlotCurve>& curves) {
    std::vector<std::optional<std::size_t>> coincides(curves.size());
    for (std::size_t i = 0; i < curves.size(); ++i) {
        for (std::size_t earlier = 0; earlier < i && !coincides[i]; ++earlier) {
            if (SamePoints(curves[i], curves[earlier]))
                coincides[i] = earlier;
        }
    }
    return coincides;
}

std::string DescribePlot(const PlotData& plot) {
    std::vector<std::string> parts;
    const bool ofSpeeds = std::any_of(plot.curves.begin(), plot.curves.end(),
                                      [](const PlotCurve& curve) { return curve.modelSpeed; });
    for (const PlotCurve& curve : plot.curves) {
        if (ofSpeeds && curve.modelSpeed) {
            parts.push_back(DescribeModelSpeed(curve, plot.deflection));
        } else if (!ofSpeeds) {
            parts.push_back(Named(curve.name) + ": " +
                            (curve.mark ? MarkWords(curve) : "nessun punto"));
        }
    }
    if (!ofSpeeds && plot.deflection)
        parts.push_back("deflessione attuale " + Degrees(*plot.deflection));
    if (plot.band)
        parts.push_back(Named(plot.band->name));
    const std::vector<std::optional<std::size_t>> coincides = CoincidingRatings(plot.ratings);
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        parts.push_back(Named(plot.ratings[i].name));
        if (coincides[i])
            parts.back() += " (coincide con «" + Named(plot.ratings[*coincides[i]].name) + "»)";
    }
    if (plot.curves.empty())
        parts.insert(parts.begin(), "Nessuna curva da mostrare");
    std::string words;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        words += (words.empty() ? "" : "; ") + part;
    }
    return words;
}

std::string CutText(const std::string& text, std::size_t most) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 character starts at every byte that is not a continuation (10xxxxxx).
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == most)
            return text.substr(0, i);
    }
    return text;
}

}  // namespace coppia
