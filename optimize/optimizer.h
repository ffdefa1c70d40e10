#pragma once

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "optimize/refusal.h"
#include "optimize/results.h"

// The optimiser's two entry points. Both take the eleven figures of the current set-up (a
// measured operating point) and the limits, and throw OptimizationRefused when the set-up or
// the limits cannot be optimised, or CalculationFault, with its kind and the quantity where it
// arose, when the program's arithmetic faults. No figure they return is ever non-finite.
namespace bithydraulics::optimize {

// Calibration, the operating window of the current nozzles, the continuous optimum with its
// 95 % band, and the best real nozzle sets of the series at their own best flow rates.
OptimizationResult optimizeHydraulics(const HydraulicsInputs& current,
                                      const OptimizationLimits& limits);
// The same for a set-up whose nozzles are listed rather than in its three nozzle fields.
OptimizationResult optimizeHydraulics(const HydraulicsInputs& current,
                                      const NozzleList& currentNozzles,
                                      const OptimizationLimits& limits);

// How far beyond the operating window's upper end a flow-range table reaches.
inline constexpr double kFlowRangeReach = 1.2;

// The current nozzles at `points` evenly spaced flow rates from 0 to 1.2 times the operating
// window's upper end (or its lower end, when the window is empty and that is higher), for tables
// and charts. 2 to 100,000 points.
FlowRange computeFlowRange(const HydraulicsInputs& current, const OptimizationLimits& limits,
                           int points);
FlowRange computeFlowRange(const HydraulicsInputs& current, const NozzleList& currentNozzles,
                           const OptimizationLimits& limits, int points);

}  // namespace bithydraulics::optimize
