// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/torque_plot.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "models/shared/plot_layout.h"
#include "ui/common/qt_text.h"
#include "ui/kit/plot_painter.h"

namespace coppia {

namespace {

// How near the pointer must come to a curve, in pixels, to be told its value.
constexpr double kHoverReach = 6;
// A hovered curve's name is cut to this many characters: a tooltip is one line.
constexpr int kHoveredName = 80;

}  // namespace

TorquePlot::TorquePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Grafico"));
    setAccessibleName(ToQString(kPlotAccessibleName));
    // The table beside it holds every value for the keyboard; the description says the main
    // ones to a screen reader.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Show(plot_);
}

TorquePlot::~TorquePlot() = default;

void TorquePlot::Show(const PlotData& plot) {
    plot_ = plot;
    pens_ = PensFor(plot_);
    described_ = ToQString(DescribePlot(plot_));
    LayOut();
    update();
}

QSize TorquePlot::sizeHint() const {
    return QSize(fontMetrics().height() * 36, fontMetrics().height() * 20);
}

QSize TorquePlot::minimumSizeHint() const {
    return QSize(fontMetrics().height() * 12, fontMetrics().height() * 10);
}

void TorquePlot::LayOut() {
    laid_ = LayOutPlot(QRectF(rect()), plot_, QFontMetricsF(font(), this));
    // What the legend has no room for is said in words, as a tooltip over its last entry.
    const QString leftOut = laid_.leftOut.join(QStringLiteral("; "));
    setAccessibleDescription(leftOut.isEmpty() ? described_
                                               : described_ +
                                                     QStringLiteral("; fuori dalla "
                                                                    "legenda: ") +
                                                     leftOut);
}

QString TorquePlot::LeftOutAt(const QPointF& position) const {
    for (const LegendEntry& entry : laid_.legend) {
        if (entry.pen.style() == Qt::NoPen && entry.box.contains(position))
            return QStringLiteral("Anche: ") + laid_.leftOut.join(QStringLiteral("\n"));
    }
    return {};
}

void TorquePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PaintPlot(painter, QRectF(rect()), plot_, pens_, laid_);
}

void TorquePlot::resizeEvent(QResizeEvent* event) {
    LayOut();
    QWidget::resizeEvent(event);
}

void TorquePlot::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        LayOut();
    QWidget::changeEvent(event);
}

int TorquePlot::CurveNear(const QPointF& position) const {
    const double deflection = std::round(laid_.mapping.DeflectionAt(position.x()));
    int nearest = -1;
    double distance = kHoverReach;
    for (std::size_t i = 0; i < plot_.curves.size(); ++i) {
        for (const auto& [angle, torque] : plot_.curves[i].points) {
            const double off = std::fabs(laid_.mapping.Y(torque) - position.y());
            if (angle == deflection && off <= distance) {
                nearest = static_cast<int>(i);
                distance = off;
            }
        }
    }
    return nearest;
}

void TorquePlot::mouseMoveEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    const int curve = CurveNear(position);
    const QString value =
        curve < 0 ? LeftOutAt(position) : ValueAt(curve, laid_.mapping.DeflectionAt(position.x()));
    if (value.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), value, this);
    }
    QWidget::mouseMoveEvent(event);
}

void TorquePlot::leaveEvent(QEvent* event) {
    QToolTip::hideText();
    QWidget::leaveEvent(event);
}

QString TorquePlot::ValueAt(int curve, double deflection) const {
    if (curve < 0 || static_cast<std::size_t>(curve) >= plot_.curves.size())
        return {};
    const PlotCurve& shown = plot_.curves[static_cast<std::size_t>(curve)];
    const auto nearest = std::min_element(
        shown.points.begin(), shown.points.end(), [deflection](const auto& a, const auto& b) {
            return std::fabs(a.first - deflection) < std::fabs(b.first - deflection);
        });
    if (nearest == shown.points.end())
        return {};
    const std::string name = CutText(shown.name, kHoveredName);
    return QStringLiteral("%1%2: %3° → %4 Kg*cm")
        .arg(ToQString(name), name.size() < shown.name.size() ? QStringLiteral("…") : QString(),
             ToQString(FormatPlainNumber(nearest->first)), ToQString(TorqueText(nearest->second)));
}

}  // namespace coppia
