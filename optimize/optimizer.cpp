#include "optimize/optimizer.h"

#include <algorithm>

#include "optimize/continuous_optimum.h"
#include "optimize/hydraulic_model.h"
#include "optimize/nozzle_sets.h"
#include "optimize/operating_window.h"
#include "optimize/setup_checks.h"

namespace bithydraulics::optimize {

OptimizationResult optimizeHydraulics(const HydraulicsInputs& current,
                                      const OptimizationLimits& limits) {
    return optimizeHydraulics(current, NozzleList::ofInputs(current), limits);
}

OptimizationResult optimizeHydraulics(const HydraulicsInputs& current,
                                      const NozzleList& currentNozzles,
                                      const OptimizationLimits& limits) {
    const HydraulicModel model(current, currentNozzles, limits);
    OptimizationResult result;
    result.criterion = limits.criterion;
    result.calibration = model.calibration();
    result.currentWindow = findOperatingWindow(model, model.currentNozzles());
    result.optimum = findContinuousOptimum(model);
    rankNozzleSets(model, result);
    return result;
}

FlowRange computeFlowRange(const HydraulicsInputs& current, const OptimizationLimits& limits,
                           int points) {
    return computeFlowRange(current, NozzleList::ofInputs(current), limits, points);
}

FlowRange computeFlowRange(const HydraulicsInputs& current, const NozzleList& currentNozzles,
                           const OptimizationLimits& limits, int points) {
    checkPoints(points);
    const HydraulicModel model(current, currentNozzles, limits);
    FlowRange range;
    range.calibration = model.calibration();
    range.window = findOperatingWindow(model, model.currentNozzles());
    const double end =
        kFlowRangeReach * std::max(range.window.upper.flowRate, range.window.lower.flowRate);
    range.rows.resize(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        FlowRangeRow& row = range.rows[static_cast<std::size_t>(i)];
        const double flow = end * i / (points - 1);
        row.point.inputs.flowRate = flow;
        row.withinWindow = !range.window.empty() && flow >= range.window.lower.flowRate &&
                           flow <= range.window.upper.flowRate;
        try {
            row.point = model.predict(model.currentNozzles(), flow);
            model.complete(row.point);
        } catch (const CalculationFault& fault) {
            row.point.results = {};
            row.point.criterionValue = 0;
            row.fault = fault;
        }
    }
    return range;
}

}  // namespace bithydraulics::optimize
