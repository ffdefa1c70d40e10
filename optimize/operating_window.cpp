#include "optimize/operating_window.h"

#include "optimize/pump_limit.h"

namespace bithydraulics::optimize {

OperatingWindow findOperatingWindow(const HydraulicModel& model, const NozzleDiameters& nozzles) {
    const OptimizationLimits& limits = model.limits();
    const double minFlow = model.calibration().minFlowRate;
    OperatingWindow window;
    window.lower =
        minFlow > 0 ? WindowEnd{minFlow, Limit::HoleCleaning} : WindowEnd{0, Limit::None};

    // The pump first: on a tie it is the pump that stops the flow rate.
    const WindowEnd pump = pumpLimitedFlow(model, bitDropCoefficient(model, nozzles));
    window.upper = {settlePumpLimit(model, nozzles, pump.limit, pump.flowRate), pump.limit};
    const WindowEnd nozzleFree = model.nozzleFreeUpperEnd();
    if (nozzleFree.flowRate < window.upper.flowRate) {
        window.upper = nozzleFree;
    }

    window.lower.setting = limitSetting(limits, window.lower.limit);
    window.upper.setting = limitSetting(limits, window.upper.limit);
    if (window.lower.flowRate > window.upper.flowRate) {
        Contradiction contradiction;
        contradiction.lower = window.lower.limit;
        contradiction.upper = window.upper.limit;
        contradiction.lowerFlow = window.lower.flowRate;
        contradiction.upperFlow = window.upper.flowRate;
        contradiction.lowerSetting = limitSetting(limits, contradiction.lower);
        contradiction.upperSetting = limitSetting(limits, contradiction.upper);
        contradiction.withCurrentNozzles =
            window.upper.limit == Limit::PumpPressure || window.upper.limit == Limit::PumpPower;
        window.contradiction = contradiction;
    }
    return window;
}

}  // namespace bithydraulics::optimize
