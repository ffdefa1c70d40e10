#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QList>

#include "window/flow_chart_interface.h"

class QGraphicsLinearLayout;
class QGraphicsWidget;
class QPainter;

namespace bithydraulics::chart {

class PanelChart;

// The panels stacked in one scene on one shared flow-rate axis, their plot areas lined up, filling
// the view. Hovering over them draws a line across every panel at the sample nearest the
// pointer and reports the figures there.
class PanelStack final : public QGraphicsView {
    Q_OBJECT

  public:
    explicit PanelStack(QWidget* parent = nullptr);

    // Replaces the panels with those of `figures`.
    void showFigures(const FlowChartFigures& figures);
    const QList<PanelChart*>& panels() const { return panels_; }

    // Paints the panels as they are shown, without the hover line, into `target`.
    void paintPanels(QPainter& painter, const QRectF& target);

  signals:
    // The figures at the hovered flow rate, one line a panel after the flow rate; empty when
    // the pointer leaves the plots.
    void hovered(const QString& readOut);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void fillView();
    void queueAlignment();
    void alignPlotAreas();
    void hoverAt(QPointF scenePosition);
    void endHover();

    QGraphicsScene scene_;
    QGraphicsWidget* column_;
    QGraphicsLinearLayout* layout_;
    QList<PanelChart*> panels_;
    bool alignmentQueued_ = false;
};

}  // namespace bithydraulics::chart
