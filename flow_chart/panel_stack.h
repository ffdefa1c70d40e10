#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QList>
#include <optional>

#include "window/flow_chart_interface.h"

class QGraphicsLinearLayout;
class QGraphicsWidget;
class QPainter;

namespace bithydraulics::chart {

class PanelChart;

// The panels stacked in one scene on one shared flow-rate axis, their plot areas lined up, filling
// the view's width and its height, or scrolling up and down where the view is too short for every
// panel to show its labels whole. Hovering over them draws a line across every panel at the
// sample nearest the pointer and reports the figures there; the arrow keys move that line a
// sample at a time (Page Up and Page Down ten), Home and End to the ends.
class PanelStack final : public QGraphicsView {
    Q_OBJECT

  public:
    explicit PanelStack(QWidget* parent = nullptr);

    // Replaces the panels with those of `figures`.
    void showFigures(const FlowChartFigures& figures);
    const QList<PanelChart*>& panels() const { return panels_; }

    // Lays the panels out in `size` (scene units), not the view's, at once: for drawing them at a
    // size of their own; none for the view's size again.
    void layOutAt(std::optional<QSizeF> size);
    // Paints the panels as laid out, without the hover line, into `target`.
    void paintPanels(QPainter& painter, const QRectF& target);

  signals:
    // The figures at the hovered flow rate, one line a panel after the flow rate; empty when
    // the pointer leaves the plots.
    void hovered(const QString& readOut);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fillView();
    void layOut(QSizeF size);
    void queueAlignment();
    void alignPlotAreas();
    bool plotAreasLinedUp() const;
    void hoverAt(QPointF scenePosition);
    void showSample(qsizetype sample);
    void endHover();

    QGraphicsScene scene_;
    QGraphicsWidget* column_;
    QGraphicsLinearLayout* layout_;
    QList<PanelChart*> panels_;
    bool alignmentQueued_ = false;
    std::optional<QSizeF> drawingSize_;  // set for drawing at a size of its own, not the view's
    qsizetype sample_ = -1;              // the sample read out, if any
    double currentFlowRate_ = 0;         // where the keys start
};

}  // namespace bithydraulics::chart
