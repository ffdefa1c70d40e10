#pragma once

#include <QWidget>

#include "window/flow_chart_interface.h"

class QLabel;
class QPushButton;

namespace bithydraulics::chart {

class PanelStack;

// 排量曲线: the panels against flow rate, what they are drawn for above them, the figures at the
// hovered flow rate below, and export as PNG and SVG. A window of its own beside the main one,
// deleted when closed.
class FlowChartWindow final : public QWidget, public FlowChartView {
    Q_OBJECT

  public:
    FlowChartWindow(QWidget& parent, FlowChartHost& host);

    QWidget* widget() override { return this; }
    void showFigures(const FlowChartFigures& figures) override;

  private:
    enum class Format { Png, Svg };
    void exportAs(Format format);

    FlowChartHost& host_;
    QLabel* note_;
    QLabel* problem_;
    PanelStack* panels_;
    QLabel* readOut_;
    QPushButton* exportPng_;
    QPushButton* exportSvg_;
};

}  // namespace bithydraulics::chart
