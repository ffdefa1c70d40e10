#pragma once

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "optimize/results.h"
#include "window/flow_chart_interface.h"

namespace bithydraulics {

// The flow rates the chart draws, evenly spaced from 0 to a little beyond the operating window.
inline constexpr int kFlowChartSamples = 241;

// The chart of the current nozzles from the optimiser's flow-range table: pump pressure, bit
// pressure drop and parasitic loss (MPa); bit hydraulic power and pump power (kW); impact force
// (kN); equivalent circulating density (g/cm³); the two annular velocities (m/s). Each limit is a
// labelled line, the operating window is shaded, the current flow rate and, with `answer`, the
// optimum of its criterion are marked. A flow rate at which the program faults (no flow) is left
// out. Every figure is the table's own, only brought to the panel's unit.
FlowChartFigures flowChartFigures(const HydraulicsInputs& setUp, const optimize::FlowRange& range,
                                  const optimize::OptimizationLimits& limits,
                                  const optimize::OptimizationResult* answer);

}  // namespace bithydraulics
