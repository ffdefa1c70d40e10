#include "optimize/optimization_limits.h"

#include <algorithm>

namespace bithydraulics::optimize {

NozzleSeries NozzleSeries::thirtySecondsOfInch(int first, int last) {
    NozzleSeries series;
    for (int k = first; k <= last; ++k) {
        series.thirtySecondsInch.push_back(k);
        series.diametersMm.push_back(k * 25.4 / 32);
    }
    return series;
}

NozzleSeries NozzleSeries::millimetres(std::vector<double> diameters) {
    std::sort(diameters.begin(), diameters.end());
    diameters.erase(std::unique(diameters.begin(), diameters.end()), diameters.end());
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
