#include "optimize/setup_checks.h"

#include <cmath>

#include "calc/quantities.h"
#include "optimize/refusal.h"

namespace bithydraulics::optimize {
namespace {

[[noreturn]] void refuseSetUp(RefusalReason reason, double first = 0, double second = 0) {
    Refusal refusal;
    refusal.reason = reason;
    refusal.figures = {first, second};
    throw OptimizationRefused(refusal);
}

[[noreturn]] void refuseInput(RefusalReason reason, std::size_t input, double figure) {
    Refusal refusal;
    refusal.reason = reason;
    refusal.input = input;
    refusal.figures = {figure, 0};
    throw OptimizationRefused(refusal);
}

[[noreturn]] void refuseSetting(Setting setting, double value, double count = 0) {
    Refusal refusal;
    refusal.reason = RefusalReason::SettingOutOfRange;
    refusal.setting = setting;
    refusal.figures = {value, count};
    throw OptimizationRefused(refusal);
}

void requireWithin(Setting setting, double value, const SettingRange& range) {
    const bool aboveLow = range.lowOpen ? value > range.low : value >= range.low;
    if (!std::isfinite(value) || !aboveLow || !(value <= range.high)) {
        refuseSetting(setting, value);
    }
}

}  // namespace

void checkSetUp(const HydraulicsInputs& in) {
    for (std::size_t i = 0; i < kInputQuantities.size(); ++i) {
        if (!std::isfinite(in.*kInputQuantities[i].member)) {
            refuseInput(RefusalReason::InputNotFinite, i, 0);
        }
    }
    if (!(in.flowRate > 0)) {
        refuseSetUp(RefusalReason::FlowRateNotPositive, in.flowRate);
    }
    if (!(in.mudDensity > 0)) {
        refuseSetUp(RefusalReason::DensityNotPositive, in.mudDensity);
    }
    // A section of no length is not in the hole: its diameter does not matter.
    if (in.pipeLength != 0 && !(in.holeDiameter > in.pipeDiameter)) {
        refuseSetUp(RefusalReason::HoleNotWiderThanPipe, in.holeDiameter, in.pipeDiameter);
    }
    if (in.collarLength != 0 && !(in.holeDiameter > in.collarDiameter)) {
        refuseSetUp(RefusalReason::HoleNotWiderThanCollar, in.holeDiameter, in.collarDiameter);
    }
    for (const auto length : {&HydraulicsInputs::pipeLength, &HydraulicsInputs::collarLength}) {
        if (in.*length < 0) {
            const auto input = length == &HydraulicsInputs::pipeLength ? 8 : 9;
            refuseInput(RefusalReason::LengthNegative, input, in.*length);
        }
    }
}

void checkLimits(const OptimizationLimits& limits) {
    requireWithin(Setting::MaxPressure, limits.maxPressure, kPressureRange);
    requireWithin(Setting::MaxPower, limits.maxPower, kPowerRange);
    requireWithin(Setting::MaxFlow, limits.maxFlow, kFlowRange);
    requireWithin(Setting::MinAnnularVelocity, limits.minAnnularVelocity, kAnnularVelocityRange);
    requireWithin(Setting::MaxEquivalentDensity, limits.maxEquivalentDensity,
                  kEquivalentDensityRange);
    requireWithin(Setting::VerticalDepth, limits.verticalDepth, kDepthRange);
    requireWithin(Setting::LossExponent, limits.lossExponent, kExponentRange);
    if (limits.nozzleCount < 1 || limits.nozzleCount > kMaxNozzleCount) {
        refuseSetting(Setting::NozzleCount, limits.nozzleCount);
    }
    if (limits.spread && *limits.spread < 0) {
        refuseSetting(Setting::Spread, *limits.spread);
    }
    if (limits.topCount < 1 || limits.topCount > kMaxTopCount) {
        refuseSetting(Setting::TopCount, limits.topCount);
    }
    const auto& sizes = limits.series.diametersMm;
    const auto count = static_cast<double>(sizes.size());
    const bool labelled =
        !limits.series.inInches() || limits.series.thirtySecondsInch.size() == sizes.size();
    if (sizes.empty() || sizes.size() > kMaxSeriesSizes || !labelled) {
        refuseSetting(Setting::SeriesSizes, 0, count);
    }
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const bool inRange = sizes[i] >= kNozzleSizeRange.low && sizes[i] <= kNozzleSizeRange.high;
        if (!std::isfinite(sizes[i]) || !inRange) {
            refuseSetting(Setting::SeriesSizes, sizes[i], count);
        }
        // Smallest first, each once: a set's steps are then its sizes' order.
        if (i > 0 && !(sizes[i] > sizes[i - 1])) {
            Refusal refusal;
            refusal.reason = RefusalReason::SeriesNotAscending;
            refusal.setting = Setting::SeriesSizes;
            refusal.figures = {sizes[i], sizes[i - 1]};
            throw OptimizationRefused(refusal);
        }
    }
}

void checkPoints(int points) {
    if (points < 2 || points > kMaxFlowRangePoints) {
        refuseSetting(Setting::Points, points);
    }
}

}  // namespace bithydraulics::optimize
