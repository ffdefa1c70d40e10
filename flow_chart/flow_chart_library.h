#pragma once

#include <QObject>

#include "window/flow_chart_interface.h"

namespace bithydraulics::chart {

// The library's entry point, found by the window's plugin loader.
class FlowChartLibraryEntry final : public QObject, public FlowChartLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BH_FLOW_CHART_LIBRARY_IID)
    Q_INTERFACES(bithydraulics::FlowChartLibrary)

  public:
    FlowChartView* createWindow(QWidget& parent, FlowChartHost& host) override;
};

}  // namespace bithydraulics::chart
