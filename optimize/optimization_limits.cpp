#include "optimize/optimization_limits.h"

#include <utility>

namespace bithydraulics::optimize {

NozzleSeries NozzleSeries::thirtySecondsOfInch(int first, int last) {
    NozzleSeries series;
    for (int k = first; k <= last; ++k) {
        series.thirtySecondsInch.push_back(k);
        // The double nearest k·25.4/32 mm, which reads and writes as that decimal ("9.525"):
        // the whole numerator divided once. k·25.4 would round first, to 9.524999999999999.
        series.diametersMm.push_back(k * 254 / 320.0);
    }
    return series;
}

NozzleSeries NozzleSeries::millimetres(std::vector<double> diameters) {
    return NozzleSeries{std::move(diameters), {}};
}

double limitSetting(const OptimizationLimits& limits, Limit limit) {
    switch (limit) {
        case Limit::None:
            return 0;
        case Limit::HoleCleaning:
            return limits.minAnnularVelocity;
        case Limit::PumpPressure:
            return limits.maxPressure;
        case Limit::PumpPower:
            return limits.maxPower;
        case Limit::LinerFlow:
            return limits.maxFlow;
        case Limit::EquivalentDensity:
            return limits.maxEquivalentDensity;
    }
    return 0;
}

}  // namespace bithydraulics::optimize
