#include "optimize/nozzle_sets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "optimize/area_groups.h"
#include "optimize/boundary_search.h"
#include "optimize/operating_window.h"
#include "optimize/pump_limit.h"

// A fixed nozzle set is best at the largest flow rate it may run at: its bit pressure drop grows
// as Q², so its power (Q³), impact force (Q²) and jet velocity (Q) all grow with Q. That flow rate
// is the lowest of the pump's pressure and power limits for this set, the liner's flow and the
// ECD limit, floored to 0.01 L/s; a set that cannot reach Q_min that way is not feasible.
//
// The search goes by total area, smallest first (the program's figures depend on the nozzles
// through their area alone). A larger area lets a set run at a larger flow rate, so the sets that
// reach Q_min are those from some area up, found by halving. Over them a set's criterion at its
// largest flow rate, not floored, bounds its floored figure from above and rises to one peak and
// falls after it (it is the continuous optimum's φ along the pump's limit, or falls with the area
// where the liner or the ECD hold the flow rate). So the search starts at the peak and takes the
// areas outward, the side with the higher bound first, and stops once neither side's bound can
// beat the last set it lists.
namespace bithydraulics::optimize {
namespace {

constexpr double kGrid = 100;  // steps per L/s: flow rates are reported to 0.01 L/s
constexpr int kGridTries = 8;

// A bound can be off by what settling a flow rate on the program's figures moves it.
constexpr double kBoundMargin = 1e-9;

// A feasible set at its best flow rate, with what ranks it: the figures of the program's probe
// at that flow rate, which the full evaluation of the best sets repeats to the last bit.
struct SetCandidate {
    NozzleSet set;
    double flow;
    Limit limit;
    double criterion;
    double pumpPressure;
    std::uint64_t sameArea;  // the sets it stands for; 0 when not counted
};

// Ranks by the criterion, then the lower pump pressure, then the smaller sizes.
bool rankedBefore(const SetCandidate& a, const SetCandidate& b) {
    if (a.criterion != b.criterion) {
        return a.criterion > b.criterion;
    }
    if (a.pumpPressure != b.pumpPressure) {
        return a.pumpPressure < b.pumpPressure;
    }
    return a.set.steps < b.set.steps;
}

class SetSearch {
  public:
    SetSearch(const HydraulicModel& model, OptimizationResult& result, SetSearchMethod method)
        : model_(model),
          result_(result),
          nozzleFree_(model.nozzleFreeUpperEnd()),
          groups_(model.limits().series, model.limits().nozzleCount, model.limits().spread, method),
          bounds_(groups_.size(), std::numeric_limits<double>::quiet_NaN()) {}

    void run() {
        const OptimizationLimits& limits = model_.limits();
        const std::size_t groups = groups_.size();
        result_.setsExamined = groups_.setCount();
        result_.areasExamined = static_cast<int>(groups);
        const std::size_t first = firstFeasibleGroup();
        result_.areasFeasible = static_cast<int>(groups - first);
        if (!groups_.byArea()) {
            double sets = 0;
            for (std::size_t g = first; g < groups; ++g) {
                sets += static_cast<double>(*groups_.memberCount(g));
            }
            result_.setsFeasible = sets;
        }

        const auto top = static_cast<std::size_t>(limits.topCount);
        std::vector<SetCandidate> found;
        // The criteria of the best `top` found so far, the lowest on top.
        std::priority_queue<double, std::vector<double>, std::greater<>> best;
        const auto take = [&](std::size_t group) {
            for (const NozzleSet& set : listedSets(group)) {
                const HydraulicsResults reading =
                    model_.probe(diametersOf(set), model_.calibration().flowRate);
                if (auto candidate = bestFlowRate(set, reading)) {
                    if (limits.nozzleCount > 3) {
                        candidate->sameArea = groups_.memberCount(group).value_or(0);
                    }
                    best.push(candidate->criterion);
                    if (best.size() > top) {
                        best.pop();
                    }
                    found.push_back(*candidate);
                }
            }
        };
        if (first < groups) {
            std::size_t right = peakGroup(first, groups);
            std::size_t left = right;  // groups [left, right) are taken
            for (;;) {
                const double leftBound =
                    left > first ? bound(left - 1) : -std::numeric_limits<double>::infinity();
                const double rightBound =
                    right < groups ? bound(right) : -std::numeric_limits<double>::infinity();
                if (left == first && right == groups) {
                    break;
                }
                const double higher = std::max(leftBound, rightBound);
                if (best.size() == top && higher * (1 + kBoundMargin) < best.top()) {
                    break;
                }
                if (rightBound >= leftBound || left == first) {
                    take(right++);
                } else {
                    take(--left);
                }
            }
        }
        const std::size_t listed = std::min(found.size(), top);
        std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(listed),
                          found.end(), rankedBefore);
        result_.bestSets.clear();
        for (std::size_t i = 0; i < listed; ++i) {
            result_.bestSets.push_back(rank(found[i].set, found[i].flow, found[i].limit));
            result_.bestSets.back().sameAreaSets = found[i].sameArea;
        }
        if (auto roundedUp = roundedUpSet()) {
            result_.roundedUpSet = rank(*roundedUp, result_.optimum.point.flowRate(), Limit::None);
        }
    }

  private:
    // Up to three nozzles every set is listed; beyond, one set stands for its area.
    std::vector<NozzleSet> listedSets(std::size_t group) const {
        if (model_.limits().nozzleCount <= 3) {
            return groups_.members(group);
        }
        return {groups_.representative(group)};
    }

    std::optional<SetCandidate> evaluate(std::size_t group) const {
        const NozzleSet set = groups_.representative(group);
        const HydraulicsResults reading =
            model_.probe(diametersOf(set), model_.calibration().flowRate);
        return bestFlowRate(set, reading);
    }

    // The first group whose sets reach Q_min; the number of groups when none does.
    std::size_t firstFeasibleGroup() const {
        std::size_t low = 0;
        std::size_t high = groups_.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (evaluate(middle)) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return low;
    }

    // The criterion of a group's set at its largest flow rate, not floored to the grid; infinite
    // when the program cannot compute it there, so that the set is looked at.
    double bound(std::size_t group) {
        double& value = bounds_[group];
        if (!std::isnan(value)) {
            return value;
        }
        value = std::numeric_limits<double>::infinity();
        try {
            const NozzleDiameters nozzles = diametersOf(groups_.representative(group));
            const double flow0 = model_.calibration().flowRate;
            const HydraulicsResults reading = model_.probe(nozzles, flow0);
            const WindowEnd pump =
                pumpLimitedFlow(model_, reading.bitPressureDrop / (flow0 * flow0));
            const double flow = std::fmin(pump.flowRate, nozzleFree_.flowRate);
            if (std::isfinite(flow)) {
                value = criterionValue(model_.limits().criterion, model_.probe(nozzles, flow));
            }
        } catch (const CalculationFault&) {
            value = std::numeric_limits<double>::infinity();
        }
        if (std::isnan(value)) {
            value = std::numeric_limits<double>::infinity();
        }
        return value;
    }

    // The group of the highest bound among [first, end): the bounds rise to it and fall after.
    std::size_t peakGroup(std::size_t first, std::size_t end) {
        std::size_t low = first;
        std::size_t high = end - 1;
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (bound(middle) < bound(middle + 1)) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }

    // The set of the smallest area not below A*, the first in the order of steps among equals.
    std::optional<NozzleSet> roundedUpSet() const {
        const double idealArea = result_.optimum.point.results.nozzleArea;
        const double flow0 = model_.calibration().flowRate;
        const auto area = [&](const NozzleSet& set) {
            return model_.probe(diametersOf(set), flow0).nozzleArea;
        };
        std::size_t low = 0;
        std::size_t high = groups_.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (area(groups_.representative(middle)) >= idealArea) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        // Sets of one group differ in their last bits at most: look either side of the edge.
        std::optional<NozzleSet> chosen;
        double chosenArea = std::numeric_limits<double>::infinity();
        const std::size_t from = low > 0 ? low - 1 : 0;
        for (std::size_t g = from; g < std::min(groups_.size(), low + 2); ++g) {
            for (const NozzleSet& set : listedSets(g)) {
                const double a = area(set);
                if (a >= idealArea && a < chosenArea) {
                    chosen = set;
                    chosenArea = a;
                }
            }
        }
        return chosen;
    }

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
        const double optimum = result_.optimum.point.criterionValue;
        const NozzleDiameters nozzles = diametersOf(set);
        RankedSet ranked;
        ranked.nozzles = set;
        ranked.point = model_.evaluate(nozzles, flow);
        ranked.limit = limit;
        ranked.shareOfOptimum = ranked.point.criterionValue / optimum;
        ranked.ownWindow = findOperatingWindow(model_, nozzles);
        if (!ranked.ownWindow.empty()) {
            const auto shareAt = [&](double q) {
                return q > 0 ? model_.evaluate(nozzles, q).criterionValue / optimum : 0.0;
            };
            ranked.shareAtLower = shareAt(ranked.ownWindow.lower.flowRate);
            ranked.shareAtUpper = shareAt(ranked.ownWindow.upper.flowRate);
        }
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

    std::optional<SetCandidate> bestFlowRate(const NozzleSet& set,
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
        return SetCandidate{set,
                            flow,
                            bound.limit,
                            criterionValue(model_.limits().criterion, probe),
                            model_.predictedPumpPressure(probe, flow),
                            1};
    }

    const HydraulicModel& model_;
    OptimizationResult& result_;
    const WindowEnd nozzleFree_;
    const AreaGroups groups_;
    std::vector<double> bounds_;  // by group; NaN until worked out
};

}  // namespace

NozzleDiameters diametersOf(const NozzleSet& set) {
    return {set.count, set.diametersMm};
}

void rankNozzleSets(const HydraulicModel& model, OptimizationResult& result,
                    SetSearchMethod method) {
    SetSearch(model, result, method).run();
}

}  // namespace bithydraulics::optimize
