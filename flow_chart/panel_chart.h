#pragma once

#include <QChart>
#include <QList>
#include <QMargins>
#include <QPointF>
#include <limits>

#include "window/flow_chart_interface.h"

class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace bithydraulics::chart {

// No flow rate read out yet.
inline constexpr double kNoFlowRate = std::numeric_limits<double>::quiet_NaN();

// The sample of `points` (in order of flow rate) nearest to `flowRate`.
qsizetype nearestSample(const QList<QPointF>& points, double flowRate);

// One panel of the stack: the curves of one quantity family against the shared flow-rate axis,
// with the operating window shaded, each limit as a dashed line labelled beside it, the marked
// flow rates as vertical lines and the marked points with their labels. Only the bottom panel
// labels the flow-rate axis.
class PanelChart final : public QChart {
    Q_OBJECT

  public:
    struct Place {
        bool top = false;     // labels the marked flow rates
        bool bottom = false;  // labels the flow-rate axis
    };
    PanelChart(const ChartPanel& panel, const FlowChartFigures& figures, Place place);

    const ChartPanel& panel() const { return panel_; }

    // The flow rate under `scenePosition`, along the shared axis.
    double flowRateAt(QPointF scenePosition);
    // Draws the hover line at `flowRate`, or removes it (NaN).
    void showHoverAt(double flowRate);
    // "压力：泵压 17.95 钻头压降 11.70 MPa": the panel's quantities at the sample of their
    // curves nearest to `flowRate`.
    QString readOut(double flowRate) const;

    // The height under which a tick label, the axis title or a legend entry would no longer
    // fit whole.
    qreal leastHeight() const;

    // Extra room at either side of the plot area, to line it up with the other panels'.
    QMargins extraRoom() const { return extraRoom_; }
    void setExtraRoom(const QMargins& extra);

  private:
    void setUpLooks(const FlowChartFigures& figures, Place place);
    void setUpAxes(const FlowChartFigures& figures, Place place);
    void shadeOperatingWindow(const FlowChartFigures& figures, Place place);
    void addCurves();
    void addMarks(const FlowChartFigures& figures, bool labelled);
    void addPoints();
    QLineSeries* addLine(const QList<QPointF>& points, const QPen& pen, const QString& name);
    void placeLabels();
    void fitAxes(const QRectF& plot);

    struct Label {
        QGraphicsSimpleTextItem* item;
        QPointF anchor;  // in values
        Qt::Alignment side;
        int row = 0;  // marks' labels are staggered
    };

    ChartPanel panel_;
    QValueAxis* flowAxis_;
    QValueAxis* valueAxis_;
    QList<Label> labels_;
    QGraphicsSimpleTextItem* caption_ = nullptr;  // what is drawn, over the top panel
    QGraphicsLineItem* hoverLine_;
    double hoverFlow_;
    double valueStep_ = 1;  // the finest step of the value axis, with room for four or five ticks
    double flowStep_ = 1;
    Place place_;
    bool hasOperatingWindow_ = false;
    QMargins margins_;  // before the extra room
    QMargins extraRoom_;
};

}  // namespace bithydraulics::chart
