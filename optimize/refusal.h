#pragma once

#include <array>
#include <cstddef>
#include <exception>
#include <string>

#include "optimize/optimization_limits.h"

// Why a set-up or a set of limits cannot be optimised, as a record the command line renders in
// English and the window in Chinese (see texts.h).
namespace bithydraulics::optimize {

// The settings of OptimizationLimits, to name the one a refusal is about.
enum class Setting {
    MaxPressure,
    MaxPower,
    MaxFlow,
    MinAnnularVelocity,
    MaxEquivalentDensity,
    VerticalDepth,
    LossExponent,
    NozzleCount,
    Spread,
    TopCount,
    SeriesSizes,
    Points,  // the number of flow rates of a flow-range table
};

// Two limits that leave no flow rate between them: `lower` needs at least `lowerFlow`, `upper`
// allows at most `upperFlow`, and upperFlow < lowerFlow. The settings are the limits' own
// figures (m/s, MPa, kW, L/s or g/cm³), for the message.
struct Contradiction {
    Limit lower = Limit::HoleCleaning;
    Limit upper = Limit::PumpPressure;
    double lowerFlow = 0;  // L/s
    double upperFlow = 0;  // L/s
    double lowerSetting = 0;
    double upperSetting = 0;
    // True when the upper limit is that of the nozzles in use; false when no nozzle area at all
    // would do (the losses outside the bit alone reach the pump's limit).
    bool withCurrentNozzles = false;
};

enum class RefusalReason {
    InputNotFinite,                // input; figures[0] unused
    FlowRateNotPositive,           // figures: Q
    DensityNotPositive,            // figures: ρ
    HoleNotWiderThanPipe,          // figures: Dh, Dp
    HoleNotWiderThanCollar,        // figures: Dh, Dc
    LengthNegative,                // input; figures: the length
    PumpPressureNotAboveBitDrop,   // figures: Pp, Δpb
    SettingOutOfRange,             // setting; figures: the value given (for the series: the
                                   // size that is not allowed, or 0, and the number of sizes)
    SeriesNotAscending,            // setting SeriesSizes; figures: a size, the one before it
    DepthNotPositive,              // figures: H
    EquivalentDensityNotAboveMud,  // figures: ρ_max, ρ
    JetVelocityWithoutHoleCleaning,
    LimitsContradict,  // contradiction
};

struct Refusal {
    RefusalReason reason = RefusalReason::SettingOutOfRange;
    std::array<double, 2> figures{};
    std::size_t input = 0;  // index into kInputQuantities, for the reasons about one input
    Setting setting = Setting::MaxPressure;
    Contradiction contradiction;
};

// Thrown when a set-up or its limits cannot be optimised; what() is the English message.
class OptimizationRefused : public std::exception {
  public:
    explicit OptimizationRefused(const Refusal& refusal);

    const Refusal& refusal() const noexcept { return refusal_; }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    Refusal refusal_;
    std::string message_;
};

}  // namespace bithydraulics::optimize
