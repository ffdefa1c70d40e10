#pragma once

#include <QList>
#include <QWidget>

#include "window/flow_chart_interface.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace bithydraulics::chart {

class PanelStack;
struct ExportSize;

// 排量曲线: the panels against flow rate, what they are drawn for above them, the figures at the
// hovered flow rate below, and export as PNG and SVG at a size of the user's choosing. Which
// panels show is the user's choice: fewer show larger. A window of its own beside the main one,
// deleted when closed.
class FlowChartWindow final : public QWidget, public FlowChartView {
    Q_OBJECT

  public:
    FlowChartWindow(QWidget& parent, FlowChartHost& host);

    QWidget* widget() override { return this; }
    void showFigures(const FlowChartFigures& figures) override;

  private:
    enum class Format { Png, Svg };
    void showChosenPanels();
    FlowChartFigures chosenPanels() const;
    ExportSize exportSize() const;
    void exportAs(Format format);

    FlowChartHost& host_;
    FlowChartFigures figures_;
    QList<QCheckBox*> panelChoices_;  // one a panel, by the panels' order
    QLabel* note_;
    QLabel* problem_;
    PanelStack* panels_;
    QLabel* readOut_;
    QSpinBox* exportWidth_;
    QSpinBox* exportHeight_;
    QSpinBox* exportDotsPerInch_;
    QPushButton* exportPng_;
    QPushButton* exportSvg_;
};

}  // namespace bithydraulics::chart
