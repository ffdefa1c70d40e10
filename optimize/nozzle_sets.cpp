#include "optimize/nozzle_sets.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "optimize/boundary_search.h"
#include "optimize/pump_limit.h"

// A fixed nozzle set is best at the largest flow rate it may run at: its bit pressure drop grows
// as Q², so its power (Q³), impact force (Q²) and jet velocity (Q) all grow with Q. That flow rate
// is the lowest of the pump's pressure and power limits for this set, the liner's flow and the
// ECD limit, floored to 0.01 L/s; a set that cannot reach Q_min that way is not feasible.
namespace bithydraulics::optimize {
namespace {

constexpr double kGrid = 100;  // steps per L/s: flow rates are reported to 0.01 L/s
constexpr int kGridTries = 8;

NozzleSet makeSet(const NozzleSeries& series, const std::array<int, kMaxNozzleCount>& steps,
                  int count) {
    NozzleSet set;
    set.count = count;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const auto step = static_cast<std::size_t>(steps[i]);
        set.steps[i] = steps[i];
        set.diametersMm[i] = series.diametersMm[step];
        set.thirtySecondsInch[i] = series.inInches() ? series.thirtySecondsInch[step] : 0;
    }
    return set;
}

// A feasible set at its best flow rate, with what ranks it: the figures of the program's probe
// at that flow rate, which the full evaluation of the best sets repeats to the last bit.
struct Candidate {
    const NozzleSet* set;
    double flow;
    Limit limit;
    double criterion;
    double pumpPressure;
};

// Ranks by the criterion, then the lower pump pressure, then the smaller sizes.
bool rankedBefore(const Candidate& a, const Candidate& b) {
    if (a.criterion != b.criterion) {
        return a.criterion > b.criterion;
    }
    if (a.pumpPressure != b.pumpPressure) {
        return a.pumpPressure < b.pumpPressure;
    }
    return a.set->steps < b.set->steps;
}

class SetSearch {
  public:
    SetSearch(const HydraulicModel& model, OptimizationResult& result)
        : model_(model), result_(result), nozzleFree_(model.nozzleFreeUpperEnd()) {}

    void run() {
        const OptimizationLimits& limits = model_.limits();
        const std::vector<NozzleSet> sets =
            enumerateNozzleSets(limits.series, limits.nozzleCount, limits.spread);
        result_.setsExamined = static_cast<int>(sets.size());
        const double idealArea = result_.optimum.point.results.nozzleArea;
        std::vector<Candidate> feasible;
        const NozzleSet* roundedUp = nullptr;
        double roundedUpArea = std::numeric_limits<double>::infinity();
        for (const NozzleSet& set : sets) {
            const NozzleDiameters nozzles = diametersOf(set);
            const HydraulicsResults reading = model_.probe(nozzles, model_.calibration().flowRate);
            if (reading.nozzleArea >= idealArea && reading.nozzleArea < roundedUpArea) {
                roundedUp = &set;
                roundedUpArea = reading.nozzleArea;
            }
            if (auto candidate = bestFlowRate(set, reading)) {
                feasible.push_back(*candidate);
            }
        }
        result_.setsFeasible = static_cast<int>(feasible.size());
        const auto top = std::min(feasible.size(), static_cast<std::size_t>(limits.topCount));
        std::partial_sort(feasible.begin(), feasible.begin() + static_cast<std::ptrdiff_t>(top),
                          feasible.end(), rankedBefore);
        result_.bestSets.clear();
        for (std::size_t i = 0; i < top; ++i) {
            result_.bestSets.push_back(rank(*feasible[i].set, feasible[i].flow, feasible[i].limit));
        }
        if (roundedUp != nullptr) {
            result_.roundedUpSet = rank(*roundedUp, result_.optimum.point.flowRate(), Limit::None);
        }
    }

  private:
    // The program's probe of the set at `flow` when it keeps to the pump, the liner and the ECD.
    std::optional<HydraulicsResults> fits(const NozzleDiameters& nozzles, double flow) const {
        try {
            const HydraulicsResults probe = model_.probe(nozzles, flow);
            if (model_.brokenUpperLimit(probe, flow) == Limit::None) {
                return probe;
            }
        } catch (const CalculationFault&) {
            // Beyond what the program can compute: it does not fit.
        }
        return std::nullopt;
    }

    RankedSet rank(const NozzleSet& set, double flow, Limit limit) const {
        RankedSet ranked;
        ranked.nozzles = set;
        ranked.point = model_.evaluate(diametersOf(set), flow);
        ranked.limit = limit;
        ranked.shareOfOptimum = ranked.point.criterionValue / result_.optimum.point.criterionValue;
        return ranked;
    }

    // The largest multiple of 0.01 L/s the set fits at, near the model's `bound`, with its probe;
    // when the grid does not settle within a few steps (a bound far beyond everyday flow rates,
    // where 0.01 L/s is below a double's resolution), the largest flow rate it fits at.
    std::optional<std::pair<double, HydraulicsResults>> settleOnGrid(const NozzleDiameters& nozzles,
                                                                     double bound) const {
        const double scaled = bound * kGrid;
        double step = std::floor(scaled);
        // A bound well clear of the grid points (the model is good to some 1e-13 of the flow
        // rate) has its largest grid point below it: one probe confirms it.
        const double margin = 1e-6;
        if (step > 0 && scaled - step > margin && step + 1 - scaled > margin) {
            if (auto probe = fits(nozzles, step / kGrid)) {
                return std::pair{step / kGrid, *probe};
            }
        }
        for (int tries = 0; tries < kGridTries; ++tries) {
            auto above = fits(nozzles, (step + 1) / kGrid);
            if (!above) {
                break;
            }
            step += 1;
        }
        for (int tries = 0; tries < kGridTries && step > 0; ++tries, step -= 1) {
            if (auto probe = fits(nozzles, step / kGrid)) {
                return std::pair{step / kGrid, *probe};
            }
        }
        if (step <= 0) {
            return std::nullopt;
        }
        const double flow = largestHolding(0.0, std::numeric_limits<double>::infinity(), bound,
                                           [&](double q) { return fits(nozzles, q).has_value(); });
        if (auto probe = fits(nozzles, flow)) {
            return std::pair{flow, *probe};
        }
        return std::nullopt;
    }

    std::optional<Candidate> bestFlowRate(const NozzleSet& set,
                                          const HydraulicsResults& reading) const {
        const double flow0 = model_.calibration().flowRate;
        WindowEnd bound = pumpLimitedFlow(model_, reading.bitPressureDrop / (flow0 * flow0));
        if (nozzleFree_.flowRate < bound.flowRate) {
            bound = nozzleFree_;
        }
        if (!std::isfinite(bound.flowRate)) {
            return std::nullopt;
        }
        const auto settled = settleOnGrid(diametersOf(set), bound.flowRate);
        if (!settled || settled->first < model_.calibration().minFlowRate) {
            return std::nullopt;
        }
        const auto& [flow, probe] = *settled;
        return Candidate{&set, flow, bound.limit, criterionValue(model_.limits().criterion, probe),
                         model_.predictedPumpPressure(probe, flow)};
    }

    const HydraulicModel& model_;
    OptimizationResult& result_;
    const WindowEnd nozzleFree_;
};

}  // namespace

std::vector<NozzleSet> enumerateNozzleSets(const NozzleSeries& series, int count,
                                           std::optional<int> spread) {
    // Steps i <= j <= k, all within `reach` of i; a set of fewer nozzles repeats its last step.
    std::vector<NozzleSet> sets;
    const int sizes = static_cast<int>(series.diametersMm.size());
    const int reach = spread ? std::min(*spread, sizes) : sizes;
    for (int i = 0; i < sizes; ++i) {
        const int last = std::min(sizes - 1, i + reach);
        for (int j = i; j <= (count >= 2 ? last : i); ++j) {
            for (int k = j; k <= (count >= 3 ? last : j); ++k) {
                sets.push_back(makeSet(series, {i, j, k}, count));
            }
        }
    }
    return sets;
}

NozzleDiameters diametersOf(const NozzleSet& set) {
    return set.diametersMm;
}

void rankNozzleSets(const HydraulicModel& model, OptimizationResult& result) {
    SetSearch(model, result).run();
}

}  // namespace bithydraulics::optimize
