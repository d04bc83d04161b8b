// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/torque_plot.h"

#include <QCursor>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "engine/number_text.h"
#include "engine/servo_check.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// The model's speed is always the same strong black line; the other curves take these in turn,
// thinner: the analysis's other speeds, slowest first, or the model window's surfaces. Colours
// that people who see red and green alike still tell apart.
const QColor kModelColour(0, 0, 0);
const QColor kOtherColours[] = {QColor(0, 114, 178),   QColor(0, 158, 115), QColor(213, 94, 0),
                                QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233),
                                QColor(120, 120, 120), QColor(140, 80, 20)};

QLineSeries* Line(QChart* chart, const QString& name, const QPen& pen,
                  const QList<QPointF>& points) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    series->append(points);
    chart->addSeries(series);
    return series;
}

}  // namespace

TorquePlot::TorquePlot(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setObjectName(QStringLiteral("Grafico"));
    setAccessibleName(QStringLiteral("Grafico della coppia al servo secondo la deflessione"));
    // The table beside it holds every value for the keyboard and for screen readers.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    Show(plot_);  // in place of the empty chart the view starts with
}

TorquePlot::~TorquePlot() = default;

void TorquePlot::Show(const PlotData& plot) {
    plot_ = plot;
    QChart* old = chart();
    setChart(BuildChart(plot_, this));
    delete old;
}

QChart* TorquePlot::BuildChart(const PlotData& plot, TorquePlot* hover) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    // A column of names beside the plot: a row of six would be cut in a narrow window.
    chart->legend()->setAlignment(Qt::AlignRight);
    QFont legendFont = chart->legend()->font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
    chart->legend()->setFont(legendFont);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Deflessione (°)"));
    x->setRange(kSweepFirstAngle, kSweepLastAngle);
    x->setTickCount(7);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setMinorTickCount(1);
    x->setMinorGridLineVisible(true);
    const PlotScale& scale = plot.scale;
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Coppia al servo (Kg*cm)"));
    y->setRange(scale.low, scale.high);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(scale.step);
    y->setMinorTickCount(scale.minorTicks);
    y->setMinorGridLineVisible(true);
    y->setLabelFormat(QStringLiteral("%.") + QString::number(scale.decimals) + QStringLiteral("f"));
    for (QValueAxis* axis : {x, y}) {
        axis->setMinorGridLinePen(QPen(QColor(232, 232, 232), 1));
        axis->setGridLinePen(QPen(QColor(200, 200, 200), 1));
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    QList<QAbstractSeries*> series;
    std::vector<QColor> colours;
    std::size_t others = 0;
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        const PlotCurve& curve = plot.curves[i];
        const QColor colour =
            curve.modelSpeed ? kModelColour : kOtherColours[others++ % std::size(kOtherColours)];
        colours.push_back(colour);
        QList<QPointF> points;
        for (const auto& [angle, torque] : curve.points) points.append(QPointF(angle, torque));
        QPen pen(colour, curve.modelSpeed ? 3 : 1.5);
        QLineSeries* line = Line(chart, ToQString(curve.name), pen, points);
        series.append(line);
        if (hover != nullptr) {
            QObject::connect(line, &QLineSeries::hovered, hover,
                             [hover, i](const QPointF& point, bool entered) {
                                 hover->Hovered(i, point, entered);
                             });
        }
        if (curve.mark) {
            auto* mark = new QScatterSeries;
            mark->setName(QStringLiteral("Punto %1").arg(ToQString(curve.name)));
            mark->setColor(colour);
            mark->setMarkerSize(9);
            mark->append(curve.mark->first, curve.mark->second);
            mark->setPointLabelsFormat(ToQString(curve.markLabel));
            mark->setPointLabelsVisible(true);
            mark->setPointLabelsClipping(false);
            chart->addSeries(mark);
            series.append(mark);
            for (QLegendMarker* marker : chart->legend()->markers(mark)) marker->setVisible(false);
        }
    }
    for (const PlotRating& rating : plot.ratings) {
        // Beyond the scale the line is left out, and its name in the legend says so. A line of a
        // curve's servo is in the curve's colour, and the curve's name stands for it.
        const bool ofCurve = rating.curve && *rating.curve < colours.size();
        QPen pen(ofCurve ? colours[*rating.curve] : QColor(200, 0, 0), ofCurve ? 1.5 : 2,
                 Qt::DashLine);
        QList<QPointF> points;
        if (rating.value) {
            points = {QPointF(kSweepFirstAngle, *rating.value),
                      QPointF(kSweepLastAngle, *rating.value)};
        }
        QLineSeries* line = Line(chart, ToQString(rating.name), pen, points);
        series.append(line);
        if (ofCurve) {
            for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(false);
        }
    }
    if (plot.deflection) {
        QPen pen(QColor(110, 110, 110), 1.5, Qt::DotLine);
        const QString name = QStringLiteral("Deflessione %1°")
                                 .arg(ToQString(FormatNumber(*plot.deflection, "#0.0")));
        series.append(
            Line(chart, name, pen,
                 {QPointF(*plot.deflection, scale.low), QPointF(*plot.deflection, scale.high)}));
    }
    for (QAbstractSeries* each : series) {
        each->attachAxis(x);
        each->attachAxis(y);
    }
    return chart;
}

void TorquePlot::Hovered(std::size_t curve, const QPointF& point, bool entered) {
    const QString value = entered ? ValueAt(static_cast<int>(curve), point.x()) : QString();
    if (value.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), value, this);
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
    return QStringLiteral("%1: %2° → %3 Kg*cm")
        .arg(ToQString(shown.name), ToQString(FormatPlainNumber(nearest->first)),
             ToQString(TorqueText(nearest->second)));
}

}  // namespace coppia
