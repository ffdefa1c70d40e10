#pragma once

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "window/flow_chart_interface.h"

namespace bithydraulics {

// The chart of the current nozzles while the limits cannot be used (none typed yet, or one that
// is not a figure): their curves alone from no flow to well beyond the current flow rate (the
// pump pressure twice the current one), the current flow rate marked, no limit line and no
// operating window, and `note` above them. The loss exponent and the depth are those of `read`.
// Throws as the optimiser's flow-range table does.
FlowChartFigures chartWithoutLimits(const HydraulicsInputs& setUp,
                                    const optimize::OptimizationLimits& read, const QString& note);

}  // namespace bithydraulics
