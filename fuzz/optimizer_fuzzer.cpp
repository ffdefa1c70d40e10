// Arbitrary bytes as the eleven field texts and a set of limits, through the optimiser and the
// flow-range table. It must never crash or hang; it answers with finite figures only, whose
// reported sets keep to the pump's limits, or refuses in words, or reports a fault of the
// program's arithmetic with its quantity.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "calc/compute_command.h"
#include "calc/quantities.h"
#include "optimize/optimizer.h"
#include "optimize/texts.h"

namespace {

using namespace bithydraulics;
using namespace bithydraulics::optimize;

void checkAt(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}
#define check(condition) checkAt((condition), __LINE__)

// A limit's figure: its everyday value when the bytes run out, else 0, a scaled everyday value,
// any double, or one of the awkward ones.
double figure(FuzzedDataProvider& provider, double everyday) {
    switch (provider.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            return everyday;
        case 1:
            return 0;
        case 2:
            return everyday * provider.ConsumeFloatingPointInRange<double>(0.01, 4);
        case 3:
            return provider.ConsumeFloatingPoint<double>();
        default: {
            constexpr double awkward[] = {std::numeric_limits<double>::quiet_NaN(),
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          -0.0,
                                          std::numeric_limits<double>::denorm_min(),
                                          std::numeric_limits<double>::max(),
                                          -1};
            return awkward[provider.ConsumeIntegralInRange<std::size_t>(0, std::size(awkward) - 1)];
        }
    }
}

OptimizationLimits limitsFrom(FuzzedDataProvider& provider) {
    OptimizationLimits limits;
    limits.maxPressure = figure(provider, 18);
    limits.maxPower = figure(provider, 720);
    limits.maxFlow = figure(provider, 40);
    limits.minAnnularVelocity = figure(provider, 0.6);
    limits.maxEquivalentDensity = figure(provider, 1.3);
    limits.verticalDepth = figure(provider, 2000);
    limits.lossExponent = figure(provider, 1.86);
    limits.criterion = static_cast<Criterion>(provider.ConsumeIntegralInRange<int>(0, 2));
    // 3 when the bytes run out; 0 and 4 are refused.
    limits.nozzleCount = (provider.ConsumeIntegralInRange<int>(0, 4) + 3) % 5;
    // Spread 1 when the bytes run out; 30 for any, 31 for a negative one.
    const int spread = provider.ConsumeIntegralInRange<int>(0, 31);
    limits.spread = spread == 30 ? std::nullopt
                                 : std::optional<int>(spread == 31  ? -1
                                                      : spread == 0 ? 1
                                                                    : spread);
    if (provider.ConsumeBool()) {
        std::vector<double> sizes;
        const auto count = provider.ConsumeIntegralInRange<std::size_t>(0, 12);
        for (std::size_t i = 0; i < count; ++i) {
            sizes.push_back(figure(provider, 9));
        }
        limits.series = NozzleSeries::millimetres(sizes);
    } else {
        // 7/32 to 32/32 in when the bytes run out; up to 71 sizes, beyond what is allowed.
        const int first = 1 + (provider.ConsumeIntegralInRange<int>(0, 31) + 6) % 32;
        const int last = first + (provider.ConsumeIntegralInRange<int>(0, 39) + 25) % 40;
        limits.series = NozzleSeries::thirtySecondsOfInch(first, last);
    }
    // 10 when the bytes run out, 0 (refused) for 20.
    const int top = provider.ConsumeIntegralInRange<int>(0, 20);
    limits.topCount = top == 0 ? 10 : top == 20 ? 0 : top;
    return limits;
}

void checkPoint(const OperatingPoint& point, bool withResults) {
    for (const auto& input : kInputQuantities) {
        check(std::isfinite(point.inputs.*input.member));
    }
    if (withResults) {
        const HydraulicsResults& r = point.results;
        for (const double value :
             {r.nozzleArea, r.bitPressureDrop, r.bitHydraulicPower, r.specificHydraulicPower,
              r.impactForce, r.jetVelocity, r.annularVelocityPipe, r.annularVelocityCollar,
              r.powerUtilization, r.annularPressureLoss, point.criterionValue}) {
            check(std::isfinite(value));
        }
    }
    for (const double value :
         {point.parasiticLoss, point.pumpPower, point.availablePressure, point.equivalentDensity}) {
        check(std::isfinite(value));
    }
}

void checkCalibration(const Calibration& c) {
    for (const double value :
         {c.bitPressureDrop, c.parasiticLoss, c.lossCoefficient, c.verticalDepth, c.minFlowRate}) {
        check(std::isfinite(value));
    }
    check(!c.equivalentDensityFlowRate || std::isfinite(*c.equivalentDensityFlowRate));
}

void checkWindow(const OperatingWindow& window) {
    check(std::isfinite(window.lower.flowRate) && std::isfinite(window.upper.flowRate));
    check(window.empty() == (window.lower.flowRate > window.upper.flowRate));
    check(!describeContradiction(window.contradiction.value_or(Contradiction{}),
                                 Language::SimplifiedChinese)
               .empty());
}

void checkRanked(const RankedSet& set) {
    checkPoint(set.point, true);
    check(std::isfinite(set.shareOfOptimum));
    check(!nozzleSetLabel(set.nozzles).empty());
}

void checkOptimization(const HydraulicsInputs& inputs, const OptimizationLimits& limits) {
    try {
        const OptimizationResult result = optimizeHydraulics(inputs, limits);
        checkCalibration(result.calibration);
        checkWindow(result.currentWindow);
        checkPoint(result.optimum.point, true);
        check(std::isfinite(result.optimum.idealNozzleDiameter));
        check(std::isfinite(result.optimum.band95.lower) &&
              std::isfinite(result.optimum.band95.upper));
        check(result.bestSets.size() <= static_cast<std::size_t>(limits.topCount));
        for (const RankedSet& set : result.bestSets) {
            checkRanked(set);
            check(set.point.pumpPressure() <= limits.maxPressure);
            check(limits.maxPower == 0 || set.point.pumpPower <= limits.maxPower);
            check(set.point.flowRate() >= result.calibration.minFlowRate);
        }
        if (result.roundedUpSet) {
            checkRanked(*result.roundedUpSet);
        }
    } catch (const OptimizationRefused& refused) {
        check(!describeRefusal(refused.refusal(), Language::SimplifiedChinese).empty());
        check(*refused.what() != '\0');
    } catch (const CalculationFault& fault) {
        check(!fault.quantity().empty());
    }
}

void checkFlowRange(const HydraulicsInputs& inputs, const OptimizationLimits& limits, int points) {
    try {
        const FlowRange range = computeFlowRange(inputs, limits, points);
        checkCalibration(range.calibration);
        checkWindow(range.window);
        check(range.rows.size() == static_cast<std::size_t>(points));
        for (const FlowRangeRow& row : range.rows) {
            check(std::isfinite(row.point.flowRate()));
            if (row.fault) {
                check(!row.fault->quantity().empty());
            } else {
                checkPoint(row.point, true);
            }
        }
    } catch (const OptimizationRefused& refused) {
        check(*refused.what() != '\0');
    } catch (const CalculationFault& fault) {
        check(!fault.quantity().empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    InMemoryFieldArray fields;
    for (int i = 0; i < kInputFieldCount; ++i) {
        fields.replaceText(i, provider.ConsumeRandomLengthString(32));
    }
    HydraulicsInputs inputs;
    try {
        inputs = readInputs(fields);
    } catch (const CalculationFault& fault) {
        check(!fault.quantity().empty());
        return 0;
    }
    const OptimizationLimits limits = limitsFrom(provider);
    const int points = 101 - provider.ConsumeIntegralInRange<int>(0, 101);
    checkOptimization(inputs, limits);
    checkFlowRange(inputs, limits, points);
    return 0;
}
