#include "flow_chart/flow_chart_library.h"

#include "flow_chart/flow_chart_window.h"

namespace bithydraulics::chart {

FlowChartView* FlowChartLibraryEntry::createWindow(QWidget& parent, FlowChartHost& host) {
    return new FlowChartWindow(parent, host);
}

}  // namespace bithydraulics::chart
