#include "flow_chart/panel_stack.h"

#include <QCoreApplication>
#include <QGraphicsLinearLayout>
#include <QGraphicsWidget>
#include <QKeyEvent>
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
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Enough for one panel; a shorter view scrolls.
    const int line = fontMetrics().height();
    setMinimumSize(24 * line, 8 * line);
}

void PanelStack::showFigures(const FlowChartFigures& figures) {
    endHover();
    sample_ = -1;
    currentFlowRate_ = figures.marks.isEmpty() ? 0 : figures.marks.front().flowRate;
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
    layOut(drawingSize_ ? *drawingSize_ : QSizeF(viewport()->size()));
}

void PanelStack::layOut(QSizeF size) {
    // A layout that takes in new panels would shrink the column to what they prefer; one that
    // squeezed them under their least height would cut their labels short.
    size.setHeight(std::max(size.height(), column_->effectiveSizeHint(Qt::MinimumSize).height()));
    const QRectF area(QPointF(0, 0), size);
    column_->setGeometry(area);
    scene_.setSceneRect(area);
}

void PanelStack::layOutAt(std::optional<QSizeF> size) {
    drawingSize_ = size;
    fillView();
    // Qt Charts lays out its axes and legends as posted events; the plot areas are lined up
    // once they are, which moves them again.
    // A change of width can change the ticks, and so the labels' width: a few rounds.
    int linedUp = 0;
    for (int pass = 0; pass < 50 && linedUp < 3; ++pass) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        linedUp = plotAreasLinedUp() ? linedUp + 1 : 0;
        alignPlotAreas();
    }
}

bool PanelStack::plotAreasLinedUp() const {
    return std::all_of(panels_.begin(), panels_.end(), [this](const PanelChart* panel) {
        const QRectF plot = panel->plotArea();
        const QRectF first = panels_.front()->plotArea();
        return std::lround(plot.left()) == std::lround(first.left()) &&
               std::lround(plot.right()) == std::lround(first.right());
    });
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

void PanelStack::keyPressEvent(QKeyEvent* event) {
    const QList<QPointF>* samples = sampleFlowRates(panels_);
    if (samples == nullptr || samples->isEmpty()) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    const qsizetype last = samples->size() - 1;
    // From the current flow rate the first time.
    const qsizetype from = sample_ >= 0 ? sample_ : nearestSample(*samples, currentFlowRate_);
    qsizetype to = from;
    switch (event->key()) {
        case Qt::Key_Left:
            to = sample_ >= 0 ? from - 1 : from;
            break;
        case Qt::Key_Right:
            to = sample_ >= 0 ? from + 1 : from;
            break;
        case Qt::Key_PageUp:
            to = from - 10;
            break;
        case Qt::Key_PageDown:
            to = from + 10;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = last;
            break;
        default:
            QGraphicsView::keyPressEvent(event);
            return;
    }
    showSample(std::clamp(to, qsizetype{0}, last));
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
    showSample(nearestSample(*samples, first->flowRateAt(scenePosition)));
}

void PanelStack::showSample(qsizetype sample) {
    sample_ = sample;
    const double flowRate = sampleFlowRates(panels_)->at(sample).x();
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
