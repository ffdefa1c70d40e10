#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "optimize/refusal.h"

// What the optimiser finds, complete enough that the command line and the window only format it.
namespace bithydraulics::optimize {

// One flow rate and nozzle set as the program computes it: `results` is computeHydraulics of
// `inputs` with `nozzles`, the pump pressure of `inputs` the one predicted for this flow rate.
// For up to three nozzles the three nozzle fields of `inputs` hold them too (0 beyond the
// count), so that computeHydraulics of `inputs` alone gives the same results; for more they
// hold 0.
struct OperatingPoint {
    HydraulicsInputs inputs;
    NozzleList nozzles;
    HydraulicsResults results;
    double parasiticLoss = 0;      // Δp_L, MPa: surface lines, inside the string and annulus
    double pumpPower = 0;          // pump pressure × flow rate, kW
    double availablePressure = 0;  // p(Q), MPa: the most the pump may deliver at this flow rate
    double equivalentDensity = 0;  // ECD, g/cm³
    double criterionValue = 0;     // the criterion's figure: kW, N or m/s

    double flowRate() const { return inputs.flowRate; }
    double pumpPressure() const { return inputs.pumpPressure; }
};

// The losses outside the bit, read from the current set-up, and the flow rates the hole sets.
struct Calibration {
    double flowRate = 0;         // Q of the reading, L/s
    double pumpPressure = 0;     // Pp of the reading, MPa
    double bitPressureDrop = 0;  // Δpb at the reading, MPa
    double parasiticLoss = 0;    // Pp − Δpb, MPa
    double lossExponent = 0;     // m
    double lossCoefficient = 0;  // K, MPa/(L/s)^m
    double verticalDepth = 0;    // H the equivalent density is taken over, m
    double minFlowRate = 0;      // the smallest flow rate that cleans the hole, L/s
    // The largest flow rate the equivalent-density limit allows; none without that limit.
    std::optional<double> equivalentDensityFlowRate;
};

struct WindowEnd {
    double flowRate = 0;  // L/s
    Limit limit = Limit::None;
    double setting = 0;  // the limit's own figure (m/s, MPa, kW, L/s or g/cm³); 0 for None
};

// The flow rates the current nozzles may run at, and the limit that sets each end. When it is
// empty, `contradiction` names the two limits that leave nothing between them.
struct OperatingWindow {
    WindowEnd lower;
    WindowEnd upper;
    std::optional<Contradiction> contradiction;

    bool empty() const { return contradiction.has_value(); }
};

// Which limit holds the continuous optimum where it is.
enum class OptimumRegime {
    PumpPressure,          // inside the range, at the pump's pressure limit (closed-form share)
    PumpPower,             // inside the range, at the pump's power limit
    PumpPressureAndPower,  // at the flow rate where the pressure and the power limit meet
    HoleCleaning,          // held at the smallest flow rate that cleans the hole
    LinerFlow,             // held at the liner's largest flow rate
    EquivalentDensity,     // held at the equivalent-density limit
};

struct FlowBand {
    double lower = 0;  // L/s
    double upper = 0;  // L/s
};

// The best the bit can do with its nozzle area free: the point is computed with `nozzleCount`
// equal nozzles of `idealNozzleDiameter`, whose area is the A* the optimum needs
// (point.results.nozzleArea). Its bit takes all the pump may deliver beyond the parasitic loss.
struct ContinuousOptimum {
    OperatingPoint point;
    int nozzleCount = 3;
    double idealNozzleDiameter = 0;  // mm
    // Whether that diameter lies outside the series (below its smallest or above its largest
    // size), so that no real set comes near it.
    bool idealOutsideSeries = false;
    OptimumRegime regime = OptimumRegime::PumpPressure;
    // The flow rates whose own optimum reaches 95 % of this one's criterion: the nozzles
    // re-sized at every flow rate. A set of fixed nozzles has its own, narrower range
    // (RankedSet::ownWindow).
    FlowBand band95;
};

// Sizes of one nozzle set, smallest first; entries beyond `count` are 0.
struct NozzleSet {
    int count = 0;
    std::array<int, kMaxNozzleCount> steps{};              // indices into the series
    std::array<double, kMaxNozzleCount> diametersMm{};     // mm
    std::array<int, kMaxNozzleCount> thirtySecondsInch{};  // k of k/32 in; 0 for a list in mm
};

struct RankedSet {
    NozzleSet nozzles;
    OperatingPoint point;       // at the set's best flow rate
    Limit limit = Limit::None;  // the limit that sets that flow rate
    double shareOfOptimum = 0;  // criterion ÷ the continuous optimum's criterion
    // The flow rates this set itself may run at within the limits, and the share of the
    // optimum's criterion it gives at each end.
    OperatingWindow ownWindow;
    double shareAtLower = 0;
    double shareAtUpper = 0;
    // For more than three nozzles, sets of equal total area give equal figures and one stands
    // for all: how many sets of the series share its area, 0 when not counted.
    std::uint64_t sameAreaSets = 1;
};

struct OptimizationResult {
    Criterion criterion = Criterion::BitHydraulicPower;
    Calibration calibration;
    OperatingWindow currentWindow;  // of the nozzles in the set-up
    ContinuousOptimum optimum;
    // At most topCount, best first: every set for up to three nozzles, one set for each total
    // area for more. Empty when no set of the series is usable.
    std::vector<RankedSet> bestSets;
    // The usual way, for comparison: keep the optimum's flow rate and take the set of the
    // smallest area not below A*. None when no set of the series is that large.
    std::optional<RankedSet> roundedUpSet;
    double setsExamined = 0;  // sets of the series within the spread (a whole number)
    // Of them, the sets that reach the hole-cleaning flow rate; none when the sets were searched
    // by their total areas without counting them.
    std::optional<double> setsFeasible;
    int areasExamined = 0;  // distinct total areas of those sets
    int areasFeasible = 0;  // of them, the areas whose sets reach the hole-cleaning flow rate
};

// One row of a flow-range table: the nozzles of the set-up at one flow rate. When the program
// faults at that flow rate (at no flow the pump pressure is 0 and the power utilisation has no
// value), `fault` says so and `point.results` holds nothing; the other figures stand.
struct FlowRangeRow {
    OperatingPoint point;
    bool withinWindow = false;
    std::optional<CalculationFault> fault;
};

struct FlowRange {
    Calibration calibration;
    OperatingWindow window;
    std::vector<FlowRangeRow> rows;  // evenly spaced flow rates, from 0
};

}  // namespace bithydraulics::optimize
