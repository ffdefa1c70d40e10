#include "optimize/pump_limit.h"

#include <cmath>
#include <limits>
#include <utility>

#include "optimize/boundary_search.h"
#include "platform/elementary_functions.h"

namespace bithydraulics::optimize {
namespace {

// The root of Q^j·(c·Q² + L(Q)) = target, j = 0 for the pressure and 1 for the power. Both terms
// grow with Q, so each alone bounds the root from above; Newton steps from there, with
//     d/dQ [Q^j·(c·Q² + L)] = Q^(j−1)·((j+2)·c·Q² + (j+m)·L),  since L' = m·L/Q.
double pumpRoot(const HydraulicModel& model, double c, int j, double target) {
    const Calibration& calibration = model.calibration();
    const double m = calibration.lossExponent;
    const double q0 = calibration.flowRate;
    const double bitBound = j == 0 ? std::sqrt(target / c) : cubeRoot(target / c);
    const double lossBound =
        q0 * power(target / (calibration.parasiticLoss * (j == 0 ? 1 : q0)), 1 / (m + j));
    const double high = std::fmin(bitBound, lossBound);
    if (!std::isfinite(high)) {
        return high;
    }
    return solveIncreasing(0.0, high, 1e-10, [&](double q) {
        const double bit = c * q * q;
        const double loss = model.parasiticLoss(q);
        const double scale = j == 0 ? 1 : q;
        return std::pair{scale * (bit + loss) - target,
                         ((j + 2) * bit + (j + m) * loss) * scale / q};
    });
}

}  // namespace

double bitDropCoefficient(const HydraulicModel& model, const NozzleDiameters& nozzles) {
    const double flow = model.calibration().flowRate;
    return model.probe(nozzles, flow).bitPressureDrop / (flow * flow);
}

WindowEnd pumpLimitedFlow(const HydraulicModel& model, double coefficient) {
    const double pressureFlow = pumpRoot(model, coefficient, 0, model.limits().maxPressure);
    // Below the corner N_r/p_r the pump at full pressure is within its power, so pressure binds;
    // beyond it the power is used up first.
    if (!(pressureFlow > model.pressurePowerCorner())) {
        return {pressureFlow, Limit::PumpPressure};
    }
    return {pumpRoot(model, coefficient, 1, model.limits().maxPower), Limit::PumpPower};
}

double settlePumpLimit(const HydraulicModel& model, const NozzleDiameters& nozzles, Limit limit,
                       double guess) {
    const OptimizationLimits& limits = model.limits();
    return largestHolding(0.0, std::numeric_limits<double>::infinity(), guess, [&](double q) {
        try {
            const double pressure = model.predictedPumpPressure(model.probe(nozzles, q), q);
            return limit == Limit::PumpPressure ? pressure <= limits.maxPressure
                                                : pressure * q <= limits.maxPower;
        } catch (const CalculationFault&) {
            return false;  // beyond what the program can compute
        }
    });
}

}  // namespace bithydraulics::optimize
