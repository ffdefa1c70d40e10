#include "flow_chart/panel_stack.h"

#include <QGraphicsLinearLayout>
#include <QGraphicsWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "flow_chart/panel_chart.h"

namespace bithydraulics::chart {
namespace {

constexpr double kNoFlowRate = std::numeric_limits<double>::quiet_NaN();

// The flow rates every panel has figures at: those of the first quantity drawn.
const QList<QPointF>* sampleFlowRates(const QList<PanelChart*>& panels) {
    for (const PanelChart* panel : panels) {
        for (const ChartCurve& curve : panel->panel().curves) {
            if (!curve.limit && !curve.points.isEmpty()) {
                return &curve.points;
            }
        }
    }
    return nullptr;
}

}  // namespace

PanelStack::PanelStack(QWidget* parent)
    : QGraphicsView(parent),
      column_(new QGraphicsWidget()),
      layout_(new QGraphicsLinearLayout(Qt::Vertical)) {
    setScene(&scene_);
    scene_.setBackgroundBrush(Qt::white);
    scene_.addItem(column_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    column_->setLayout(layout_);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHint(QPainter::Antialiasing);
    viewport()->setMouseTracking(true);
    setMinimumSize(480, 480);
}

void PanelStack::showFigures(const FlowChartFigures& figures) {
    endHover();
    for (PanelChart* panel : panels_) {
        layout_->removeItem(panel);
        delete panel;
    }
    panels_.clear();
    for (qsizetype i = 0; i < figures.panels.size(); ++i) {
        const bool bottom = i + 1 == figures.panels.size();
        auto* panel = new PanelChart(figures.panels[i], figures, {i == 0, bottom});
        // The bottom panel also holds the flow-rate axis' labels and title.
        layout_->addItem(panel);
        layout_->setStretchFactor(panel, bottom ? 6 : 5);
        connect(panel, &PanelChart::plotAreaChanged, this, &PanelStack::queueAlignment);
        panels_.push_back(panel);
    }
    fillView();
    queueAlignment();
}

void PanelStack::paintPanels(QPainter& painter, const QRectF& target) {
    for (PanelChart* panel : panels_) {
        panel->showHoverAt(kNoFlowRate);
    }
    scene_.render(&painter, target, scene_.sceneRect());
}

void PanelStack::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fillView();
}

void PanelStack::fillView() {
    // A layout that takes in new panels would shrink the column to what they prefer.
    const QRectF area(QPointF(0, 0), viewport()->size());
    column_->setGeometry(area);
    scene_.setSceneRect(area);
}

void PanelStack::queueAlignment() {
    if (alignmentQueued_) {
        return;
    }
    alignmentQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        alignmentQueued_ = false;
        fillView();
        alignPlotAreas();
    });
}

void PanelStack::alignPlotAreas() {
    // Each panel's plot area as its own axis labels leave it, and the narrowest span all share.
    int left = INT_MIN;
    int right = INT_MAX;
    QList<std::pair<int, int>> natural;
    for (const PanelChart* panel : panels_) {
        const QRectF plot = panel->plotArea();
        const int ownLeft = static_cast<int>(std::lround(plot.left())) - panel->extraRoom().left();
        const int ownRight =
            static_cast<int>(std::lround(plot.right())) + panel->extraRoom().right();
        natural.push_back({ownLeft, ownRight});
        left = std::max(left, ownLeft);
        right = std::min(right, ownRight);
    }
    for (qsizetype i = 0; i < panels_.size(); ++i) {
        panels_[i]->setExtraRoom(
            QMargins(left - natural[i].first, 0, natural[i].second - right, 0));
    }
}

void PanelStack::mouseMoveEvent(QMouseEvent* event) {
    QGraphicsView::mouseMoveEvent(event);
    hoverAt(mapToScene(event->position().toPoint()));
}

void PanelStack::leaveEvent(QEvent* event) {
    QGraphicsView::leaveEvent(event);
    endHover();
}

void PanelStack::hoverAt(QPointF scenePosition) {
    const QList<QPointF>* samples = sampleFlowRates(panels_);
    if (samples == nullptr) {
        return;
    }
    PanelChart* first = panels_.front();
    const QRectF plot = first->plotArea();
    const double x = first->mapFromScene(scenePosition).x();
    if (x < plot.left() || x > plot.right()) {
        endHover();
        return;
    }
    // The figures are the samples' own: the one nearest the pointer.
    const double pointed = first->flowRateAt(scenePosition);
    const auto nearest = std::min_element(
        samples->begin(), samples->end(), [pointed](const QPointF& a, const QPointF& b) {
            return std::abs(a.x() - pointed) < std::abs(b.x() - pointed);
        });
    const double flowRate = nearest->x();
    QStringList lines{QStringLiteral("排量 %1 L/s").arg(QString::number(flowRate, 'f', 2))};
    for (PanelChart* panel : panels_) {
        panel->showHoverAt(flowRate);
        lines << panel->readOut(flowRate);
    }
    emit hovered(lines.join('\n'));
}

void PanelStack::endHover() {
    for (PanelChart* panel : panels_) {
        panel->showHoverAt(kNoFlowRate);
    }
    emit hovered(QString());
}

}  // namespace bithydraulics::chart
