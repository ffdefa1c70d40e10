#pragma once

#include "behaviour/chart_series.h"
#include "window/flow_chart_interface.h"

namespace bithydraulics {

// The chart's series (chartSeries()) in the value types the chart library takes.
FlowChartFigures flowChartFigures(const ChartSeries& series);

}  // namespace bithydraulics
