#include "flow_chart/panel_chart.h"

#include <QApplication>
#include <QAreaSeries>
#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace bithydraulics::chart {
namespace {

const QList<QColor> kQuantityColours{QColor(31, 95, 191), QColor(214, 96, 0), QColor(46, 139, 87),
                                     QColor(128, 64, 160)};
const QList<QColor> kMarkColours{QColor(60, 60, 60), QColor(0, 128, 0)};
const QColor kLimitColour(176, 0, 0);
const QColor kWindowShade(110, 190, 110, 70);
const QColor kHoverColour(90, 90, 90);
constexpr QMargins kMargins(4, 2, 12, 2);
// Qt Charts' room around a tick label, a legend entry and inside a chart, in pixels.
constexpr qreal kTickLabelPadding = 10;
constexpr qreal kLegendEntrySpacing = 8;
constexpr qreal kChartFrame = 10;

// The values a panel's axis must show: every curve and marked point, from 0 when that does not
// squeeze the figures, with a little room above.
std::pair<double, double> valueRange(const ChartPanel& panel) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto take = [&](const QPointF& point) {
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    };
    for (const ChartCurve& curve : panel.curves) {
        std::for_each(curve.points.begin(), curve.points.end(), take);
    }
    for (const ChartPoint& point : panel.points) {
        take(point.point);
    }
    if (!(low <= high)) {
        return {0, 1};
    }
    if (low >= 0 && low < 0.5 * high) {
        low = 0;
    }
    const double room = high > low ? (high - low) * 0.08 : std::max(std::abs(high) * 0.1, 1.0);
    return {low == 0 ? 0 : low - room, high + room};
}

// A round step near `step`: 1, 2 or 5 times a power of ten.
double niceStep(double step) {
    if (!(step > 0)) {
        return 1;
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= step) {
            return factor * magnitude;
        }
    }
    return 10 * magnitude;
}

// The decimals a tick label at whole multiples of `step` needs.
int decimalsOf(double step) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

// How many ticks from `low` to `high` at whole multiples of `step`.
int tickCount(double low, double high, double step) {
    return static_cast<int>(std::floor(high / step + 1e-9) - std::ceil(low / step - 1e-9)) + 1;
}

// The finest step from `step` up (1, 2 or 5 times a power of ten) that leaves no more than
// `ticks` ticks from `low` to `high`, but never fewer than two; none when there is no such step.
std::optional<double> coarserStep(double low, double high, double step, int ticks) {
    while (tickCount(low, high, step) > ticks) {
        step = niceStep(step * 1.5);
        if (tickCount(low, high, step) < 2) {
            return std::nullopt;
        }
    }
    return step;
}

QPen linePen(const QColor& colour, qreal width, Qt::PenStyle style) {
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace

qsizetype nearestSample(const QList<QPointF>& points, double flowRate) {
    const auto next =
        std::lower_bound(points.begin(), points.end(), flowRate,
                         [](const QPointF& point, double flow) { return point.x() < flow; });
    if (next == points.end()) {
        return points.size() - 1;
    }
    if (next != points.begin() && flowRate - std::prev(next)->x() < next->x() - flowRate) {
        return std::prev(next) - points.begin();
    }
    return next - points.begin();
}

PanelChart::PanelChart(const ChartPanel& panel, const FlowChartFigures& figures, Place place)
    : panel_(panel),
      flowAxis_(new QValueAxis(this)),
      valueAxis_(new QValueAxis(this)),
      hoverLine_(new QGraphicsLineItem(this)),
      hoverFlow_(kNoFlowRate),
      place_(place) {
    setUpLooks(figures, place);
    setUpAxes(figures, place);
    if (figures.operatingWindow) {
        hasOperatingWindow_ = true;
        shadeOperatingWindow(figures, place);
    }
    addCurves();
    addMarks(figures, place.top);
    addPoints();
    hoverLine_->setPen(linePen(kHoverColour, 1, Qt::SolidLine));
    hoverLine_->setZValue(10);
    hoverLine_->hide();
    setMinimumHeight(leastHeight());
    connect(this, &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
        fitAxes(plot);
        placeLabels();
    });
}

void PanelChart::setUpLooks(const FlowChartFigures& figures, Place place) {
    const QFont font = QApplication::font();
    setFont(font);
    setTitleFont(font);
    legend()->setFont(font);
    legend()->setAlignment(Qt::AlignRight);
    setBackgroundRoundness(0);
    // The top panel keeps room above its plot for the caption and the marked flow rates'
    // labels.
    const int lineHeight = QFontMetrics(font).height();
    margins_ = place.top ? kMargins + QMargins(0, 3 * lineHeight + 2, 0, 0) : kMargins;
    setMargins(margins_);
    if (place.top) {
        caption_ = new QGraphicsSimpleTextItem(figures.caption, this);
        caption_->setFont(font);
    }
}

void PanelChart::setUpAxes(const FlowChartFigures& figures, Place place) {
    for (QValueAxis* axis : {flowAxis_, valueAxis_}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    // The axis ends where the figures end, its ticks at round flow rates.
    flowAxis_->setRange(0, figures.maxFlowRate);
    flowAxis_->setTickType(QValueAxis::TicksDynamic);
    flowAxis_->setTickAnchor(0);
    flowStep_ = niceStep(figures.maxFlowRate / 8);
    flowAxis_->setTickInterval(flowStep_);
    flowAxis_->setLabelFormat(QStringLiteral("%.0f"));
    flowAxis_->setLabelsVisible(place.bottom);
    if (place.bottom) {
        flowAxis_->setTitleText(QStringLiteral("排量 (L/s)"));
    }
    // Four or five round ticks, the range widened to whole steps.
    const auto [low, high] = valueRange(panel_);
    valueStep_ = niceStep((high - low) / 4);
    valueAxis_->setRange(std::floor(low / valueStep_) * valueStep_,
                         std::ceil(high / valueStep_) * valueStep_);
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setTickInterval(valueStep_);
    valueAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsOf(valueStep_)));
    valueAxis_->setTitleText(QStringLiteral("%1 (%2)").arg(panel_.title, panel_.unit));
    addAxis(flowAxis_, Qt::AlignBottom);
    addAxis(valueAxis_, Qt::AlignLeft);
}

void PanelChart::shadeOperatingWindow(const FlowChartFigures& figures, Place place) {
    auto* area = new QAreaSeries();
    auto* upper = new QLineSeries(area);
    auto* lower = new QLineSeries(area);
    for (const double flow : {figures.operatingWindow->lower, figures.operatingWindow->upper}) {
        upper->append(flow, valueAxis_->max());
        lower->append(flow, valueAxis_->min());
    }
    area->setUpperSeries(upper);
    area->setLowerSeries(lower);
    area->setName(figures.operatingWindowName);
    area->setBrush(kWindowShade);
    area->setPen(Qt::NoPen);
    addSeries(area);
    area->attachAxis(flowAxis_);
    area->attachAxis(valueAxis_);
    // Named once, in the top panel's legend.
    for (QLegendMarker* marker : legend()->markers(area)) {
        marker->setVisible(place.top);
    }
}

QLineSeries* PanelChart::addLine(const QList<QPointF>& points, const QPen& pen,
                                 const QString& name) {
    auto* series = new QLineSeries();
    series->setName(name);
    series->setPen(pen);
    series->replace(points);
    addSeries(series);
    series->attachAxis(flowAxis_);
    series->attachAxis(valueAxis_);
    return series;
}

void PanelChart::addCurves() {
    qsizetype quantity = 0;
    for (const ChartCurve& curve : panel_.curves) {
        if (!curve.limit) {
            const QColor colour = kQuantityColours[quantity++ % kQuantityColours.size()];
            addLine(curve.points, linePen(colour, 2, Qt::SolidLine), curve.name);
            continue;
        }
        QLineSeries* line =
            addLine(curve.points, linePen(kLimitColour, 1.5, Qt::DashLine), curve.name);
        for (QLegendMarker* marker : legend()->markers(line)) {
            marker->setVisible(false);
        }
        if (!curve.points.isEmpty()) {
            auto* label = new QGraphicsSimpleTextItem(curve.label, this);
            label->setFont(font());
            label->setBrush(kLimitColour);
            labels_.push_back({label, curve.points.front(), Qt::AlignRight, 0});
        }
    }
}

void PanelChart::addMarks(const FlowChartFigures& figures, bool labelled) {
    int row = 0;
    qsizetype plain = 0;
    for (const FlowMark& mark : figures.marks) {
        const QColor colour =
            mark.limit ? kLimitColour : kMarkColours[plain++ % kMarkColours.size()];
        QLineSeries* line = addLine(
            {QPointF(mark.flowRate, valueAxis_->min()), QPointF(mark.flowRate, valueAxis_->max())},
            linePen(colour, 1.5, mark.limit ? Qt::DashLine : Qt::DashDotLine), mark.label);
        for (QLegendMarker* marker : legend()->markers(line)) {
            marker->setVisible(false);
        }
        if (labelled) {
            auto* label = new QGraphicsSimpleTextItem(mark.label, this);
            label->setFont(font());
            label->setBrush(colour);
            labels_.push_back(
                {label, QPointF(mark.flowRate, valueAxis_->max()), Qt::AlignTop, row++ % 2});
        }
    }
}

void PanelChart::addPoints() {
    for (const ChartPoint& point : panel_.points) {
        auto* series = new QScatterSeries();
        series->setName(point.label);
        series->setMarkerSize(9);
        series->setColor(kMarkColours[1]);
        series->setBorderColor(Qt::white);
        series->append(point.point);
        addSeries(series);
        series->attachAxis(flowAxis_);
        series->attachAxis(valueAxis_);
        for (QLegendMarker* marker : legend()->markers(series)) {
            marker->setVisible(false);
        }
        auto* label = new QGraphicsSimpleTextItem(point.label, this);
        label->setFont(font());
        label->setBrush(kMarkColours[1]);
        labels_.push_back({label, point.point, Qt::AlignLeft, 0});
    }
}

qreal PanelChart::leastHeight() const {
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    // Qt Charts gives each tick label of an upright axis an equal share of its height, and cuts a
    // label short whose share is less than the label with its padding.
    // Two ticks at the least, more as the panel grows (fitAxes).
    const qreal ticks = 2 * (line + kTickLabelPadding) + line / 2;
    const qreal title = metrics.horizontalAdvance(panel_.unit) + 2 * line;
    // The legend stands beside the plot and the flow-rate axis under it, its entries one under
    // another: the quantities, and the operating window in the top panel.
    const auto quantities = std::count_if(panel_.curves.begin(), panel_.curves.end(),
                                          [](const ChartCurve& curve) { return !curve.limit; });
    const qsizetype entries = quantities + (place_.top && hasOperatingWindow_ ? 1 : 0);
    const qreal legendHeight = static_cast<qreal>(entries) * (line + kLegendEntrySpacing) + line;
    // The flow-rate axis' labels and title under the bottom panel.
    const qreal flowAxis = place_.bottom ? 2 * line + 3 * kTickLabelPadding : 0;
    const qreal plot = std::max({ticks, title}) + flowAxis;
    return std::max(plot, legendHeight) + margins_.top() + margins_.bottom() + 2 * kChartFrame;
}

void PanelChart::fitAxes(const QRectF& plot) {
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const int valueTicks = static_cast<int>(plot.height() / (line + kTickLabelPadding));
    // Where no round step leaves two ticks, the axis' two ends are labelled.
    const std::optional<double> step =
        coarserStep(valueAxis_->min(), valueAxis_->max(), valueStep_, std::max(valueTicks, 2));
    const QValueAxis::TickType type = step ? QValueAxis::TicksDynamic : QValueAxis::TicksFixed;
    if (type != valueAxis_->tickType() || (step && *step != valueAxis_->tickInterval())) {
        valueAxis_->setTickType(type);
        valueAxis_->setTickCount(2);
        valueAxis_->setTickInterval(step.value_or(valueStep_));
        valueAxis_->setLabelFormat(
            QStringLiteral("%.%1f").arg(decimalsOf(step.value_or(valueStep_))));
    }
    const qreal labelWidth =
        metrics.horizontalAdvance(QString::number(flowAxis_->max(), 'f', 0)) + 2 * line;
    const double flowStep = coarserStep(0, flowAxis_->max(), flowStep_,
                                        std::max(2, static_cast<int>(plot.width() / labelWidth)))
                                .value_or(flowAxis_->max());
    if (flowStep != flowAxis_->tickInterval()) {
        flowAxis_->setTickInterval(flowStep);
    }
    // The quantity's name with its unit where the axis is tall enough, else the unit alone.
    const QString full = QStringLiteral("%1 (%2)").arg(panel_.title, panel_.unit);
    const QString title =
        metrics.horizontalAdvance(full) + line <= plot.height() ? full : panel_.unit;
    if (title != valueAxis_->titleText()) {
        valueAxis_->setTitleText(title);
    }
}

void PanelChart::placeLabels() {
    const QRectF plot = plotArea();
    if (caption_ != nullptr) {
        caption_->setPos(plot.center().x() - caption_->boundingRect().width() / 2, kMargins.top());
    }
    for (const Label& label : labels_) {
        const QPointF at = mapToPosition(label.anchor);
        const QRectF box = label.item->boundingRect();
        QPointF corner;
        if (label.side == Qt::AlignTop) {
            // A marked flow rate: above the plot at its line, staggered in two rows.
            corner = QPointF(at.x() - box.width() / 2, plot.top() - (2 - label.row) * box.height());
            corner.setX(std::clamp(corner.x(), plot.left(),
                                   std::max(plot.left(), plot.right() - box.width())));
            label.item->setPos(corner);
            continue;
        }
        if (label.side == Qt::AlignRight) {
            // A limit: above the start of its line, where the figures, which grow with the
            // flow rate, are still below it.
            corner = QPointF(at.x() + 4, at.y() - box.height() - 1);
        } else {
            // A marked point: above and right of it, or left where the plot ends.
            corner = QPointF(at.x() + 6, at.y() - box.height() - 2);
            if (corner.x() + box.width() > plot.right()) {
                corner.setX(at.x() - 6 - box.width());
            }
        }
        corner.setX(std::clamp(corner.x(), plot.left() + 2,
                               std::max(plot.left() + 2, plot.right() - box.width())));
        corner.setY(
            std::clamp(corner.y(), plot.top(), std::max(plot.top(), plot.bottom() - box.height())));
        label.item->setPos(corner);
    }
    showHoverAt(hoverFlow_);
}

double PanelChart::flowRateAt(QPointF scenePosition) {
    return mapToValue(mapFromScene(scenePosition)).x();
}

void PanelChart::showHoverAt(double flowRate) {
    hoverFlow_ = flowRate;
    if (std::isnan(flowRate)) {
        hoverLine_->hide();
        return;
    }
    const QRectF plot = plotArea();
    const double x = mapToPosition(QPointF(flowRate, valueAxis_->min())).x();
    hoverLine_->setLine(x, plot.top(), x, plot.bottom());
    hoverLine_->show();
}

QString PanelChart::readOut(double flowRate) const {
    QStringList figures;
    for (const ChartCurve& curve : panel_.curves) {
        if (curve.limit || curve.points.isEmpty()) {
            continue;
        }
        const QPointF sample = curve.points[nearestSample(curve.points, flowRate)];
        // A quantity with no figure at that flow rate (at no flow some have none) says so.
        const bool there = std::abs(sample.x() - flowRate) <= 1e-9 * std::max(1.0, flowRate);
        figures << QStringLiteral("%1 %2").arg(
            curve.name,
            there ? QString::number(sample.y(), 'f', panel_.decimals) : QStringLiteral("—"));
    }
    return QStringLiteral("%1 (%2)：%3")
        .arg(panel_.title, panel_.unit, figures.join(QStringLiteral("　")));
}

void PanelChart::setExtraRoom(const QMargins& extra) {
    if (extra == extraRoom_) {
        return;
    }
    extraRoom_ = extra;
    setMargins(margins_ + extra);
}

}  // namespace bithydraulics::chart
