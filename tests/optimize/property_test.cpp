#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <random>

#include "optimize/continuous_optimum.h"
#include "optimize/nozzle_sets.h"
#include "optimize/optimizer.h"
#include "reference_model.h"

namespace bithydraulics::optimize {
namespace {

using testing::randomLimits;
using testing::randomSetUp;
using testing::ReferenceModel;
using Diameters = std::array<double, kMaxNozzleCount>;

bool sameResults(const HydraulicsResults& a, const HydraulicsResults& b) {
    return a.nozzleArea == b.nozzleArea && a.bitPressureDrop == b.bitPressureDrop &&
           a.bitHydraulicPower == b.bitHydraulicPower &&
           a.specificHydraulicPower == b.specificHydraulicPower && a.impactForce == b.impactForce &&
           a.jetVelocity == b.jetVelocity && a.annularVelocityPipe == b.annularVelocityPipe &&
           a.annularVelocityCollar == b.annularVelocityCollar &&
           a.powerUtilization == b.powerUtilization &&
           a.annularPressureLoss == b.annularPressureLoss;
}

bool near(double a, double b, double relative) {
    return std::abs(a - b) <= relative * std::max(std::abs(a), std::abs(b));
}

class Case {
  public:
    Case(const HydraulicsInputs& in, const OptimizationLimits& limits)
        : in_(in), limits_(limits), reference_(in, limits) {}

    HydraulicsInputs withSet(const Diameters& nozzles, double q) const {
        HydraulicsInputs inputs = in_;
        inputs.nozzleDiameter1 = nozzles[0];
        inputs.nozzleDiameter2 = nozzles[1];
        inputs.nozzleDiameter3 = nozzles[2];
        inputs.flowRate = q;
        return inputs;
    }

    // The program's figures for a set at q: its nozzles listed, the ones beyond its count 0.
    HydraulicsResults figures(const Diameters& nozzles, double q) const {
        return computeHydraulics(withSet(nozzles, q), nozzles);
    }

    // The pump pressure of a set at q by the reference: its bit drop plus K·Q^m.
    double pumpPressure(const Diameters& nozzles, double q) const {
        return figures(nozzles, q).bitPressureDrop + reference_.parasiticLoss(q);
    }

    // Whether the set breaks `limit` (the pump's pressure or power, the liner or the ECD) at q,
    // by the reference.
    bool breaks(Limit limit, const Diameters& nozzles, double q) const {
        const double pressure = pumpPressure(nozzles, q);
        switch (limit) {
            case Limit::PumpPressure:
                return pressure > limits_.maxPressure;
            case Limit::PumpPower:
                return limits_.maxPower > 0 && pressure * q > limits_.maxPower;
            case Limit::LinerFlow:
                return limits_.maxFlow > 0 && q > limits_.maxFlow;
            case Limit::EquivalentDensity:
                return limits_.maxEquivalentDensity > 0 &&
                       reference_.equivalentDensity(figures(nozzles, q).annularPressureLoss) >
                           limits_.maxEquivalentDensity;
            default:
                return false;
        }
    }

    bool keepsUpperLimits(const Diameters& nozzles, double q) const {
        for (const Limit limit :
             {Limit::PumpPressure, Limit::PumpPower, Limit::LinerFlow, Limit::EquivalentDensity}) {
            if (breaks(limit, nozzles, q)) {
                return false;
            }
        }
        return true;
    }

    // The reference's own search: the largest multiple of 0.01 L/s the set keeps to, by halving.
    double largestGridFlow(const Diameters& nozzles) const {
        long low = 0;
        long high = 1;
        while (keepsUpperLimits(nozzles, high / 100.0)) {
            low = high;
            high *= 2;
        }
        while (high - low > 1) {
            const long middle = (low + high) / 2;
            (keepsUpperLimits(nozzles, middle / 100.0) ? low : high) = middle;
        }
        return low / 100.0;
    }

    double scanTop() const {
        double top = 0;
        for (int i = 1; i <= 4000; ++i) {
            const double q = scanEnd() * i / 4000;
            if (reference_.flowAllowed(q)) {
                top = std::max(top, reference_.idealCriterion(q));
            }
        }
        return top;
    }

    double scanEnd() const { return 3 * in_.flowRate + 100; }
    const ReferenceModel& reference() const { return reference_; }

  private:
    HydraulicsInputs in_;
    OptimizationLimits limits_;
    ReferenceModel reference_;
};

// Every set of the series within the spread, by the test's own loops.
std::vector<Diameters> allSets(const OptimizationLimits& limits) {
    const auto& sizes = limits.series.diametersMm;
    const int n = static_cast<int>(sizes.size());
    const int spread = limits.spread.value_or(n);
    std::vector<Diameters> sets;
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < (limits.nozzleCount > 1 ? std::min(n, i + spread + 1) : i + 1); ++j) {
            for (int k = j; k < (limits.nozzleCount > 2 ? std::min(n, i + spread + 1) : j + 1);
                 ++k) {
                Diameters set{};
                set[0] = sizes[static_cast<std::size_t>(i)];
                if (limits.nozzleCount > 1) {
                    set[1] = sizes[static_cast<std::size_t>(j)];
                }
                if (limits.nozzleCount > 2) {
                    set[2] = sizes[static_cast<std::size_t>(k)];
                }
                sets.push_back(set);
            }
        }
    }
    return sets;
}

// Random everyday set-ups and limits: the optimiser answers or names two contradicting limits,
// and whatever it reports holds up against the reference.
TEST(OptimizerProperty, AnswersHoldUpAgainstTheReference) {
    std::mt19937_64 random(20240607);
    int answered = 0;
    int contradicted = 0;
    int bruteForced = 0;
    std::map<Limit, int> namedLimits;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const HydraulicsInputs in = randomSetUp(random);
        const OptimizationLimits limits = randomLimits(random, in);
        const Case check(in, limits);
        OptimizationResult result;
        try {
            result = optimizeHydraulics(in, limits);
        } catch (const OptimizationRefused& refused) {
            ASSERT_EQ(refused.refusal().reason, RefusalReason::LimitsContradict) << refused.what();
            // No flow rate keeps to every limit with anything left for the bit.
            ASSERT_EQ(check.scanTop(), 0) << refused.what();
            ++contradicted;
            continue;
        }
        ++answered;
        const ReferenceModel& reference = check.reference();
        ASSERT_NEAR(result.calibration.lossCoefficient, reference.k(), 1e-12 * reference.k());

        // The continuous optimum: its own figure, not beaten by a dense scan, and its 95 % band.
        const ContinuousOptimum& optimum = result.optimum;
        const double best = optimum.point.criterionValue;
        const double bestFlow = optimum.point.flowRate();
        ASSERT_TRUE(reference.flowAllowed(bestFlow));
        ASSERT_TRUE(near(best, reference.idealCriterion(bestFlow), 1e-9));
        ASSERT_LE(check.scanTop(), best * (1 + 1e-9));
        ASSERT_TRUE(sameResults(optimum.point.results, computeHydraulics(optimum.point.inputs)));
        const FlowBand band = optimum.band95;
        ASSERT_LE(band.lower, bestFlow);
        ASSERT_GE(band.upper, bestFlow);
        for (int i = 0; i <= 200; ++i) {
            const double q = band.lower + (band.upper - band.lower) * i / 200;
            ASSERT_GE(reference.idealCriterion(q), 0.95 * best * (1 - 1e-9)) << q;
        }
        for (const double beyond : {band.lower * (1 - 1e-6), band.upper * (1 + 1e-6)}) {
            if (reference.flowAllowed(beyond)) {
                ASSERT_LT(reference.idealCriterion(beyond), 0.95 * best * (1 + 1e-9)) << beyond;
            }
        }

        // Each reported set: the program's figures, every limit kept, the largest 0.01 L/s it
        // may run at, ranked, and never above the continuous optimum.
        ASSERT_LE(result.bestSets.size(), static_cast<std::size_t>(limits.topCount));
        for (std::size_t i = 0; i < result.bestSets.size(); ++i) {
            const RankedSet& set = result.bestSets[i];
            const OperatingPoint& point = set.point;
            const double q = point.flowRate();
            const Diameters nozzles = set.nozzles.diametersMm;
            ASSERT_TRUE(sameResults(point.results, computeHydraulics(point.inputs)));
            ASSERT_EQ(point.inputs.nozzleDiameter1, nozzles[0]);
            ASSERT_EQ(point.inputs.nozzleDiameter3, nozzles[2]);
            ASSERT_TRUE(near(point.pumpPressure(), check.pumpPressure(nozzles, q), 1e-12));
            ASSERT_LE(point.pumpPressure(), limits.maxPressure);
            if (limits.maxPower > 0) {
                ASSERT_LE(point.pumpPower, limits.maxPower);
            }
            ASSERT_TRUE(reference.flowAllowed(q)) << q;
            ASSERT_NEAR(q * 100, std::round(q * 100), 1e-6);
            // The limit it names is the one a step more would break.
            ASSERT_TRUE(check.breaks(set.limit, nozzles, q + 0.01)) << q;
            ++namedLimits[set.limit];
            ASSERT_LE(point.criterionValue, best * (1 + 1e-12));
            ASSERT_EQ(set.shareOfOptimum, point.criterionValue / best);
            if (i > 0) {
                ASSERT_LE(point.criterionValue, result.bestSets[i - 1].point.criterionValue);
            }
        }

        // The best set against a brute-force search of every set with the reference alone.
        if (round % 4 == 0) {
            ++bruteForced;
            double top = 0;
            int feasible = 0;
            for (const Diameters& nozzles : allSets(limits)) {
                const double q = check.largestGridFlow(nozzles);
                if (q <= 0 || !reference.flowAllowed(q)) {
                    continue;
                }
                ++feasible;
                const HydraulicsResults r = computeHydraulics(check.withSet(nozzles, q));
                const double value = limits.criterion == Criterion::BitHydraulicPower
                                         ? r.bitHydraulicPower
                                     : limits.criterion == Criterion::ImpactForce ? r.impactForce
                                                                                  : r.jetVelocity;
                top = std::max(top, value);
            }
            ASSERT_EQ(result.setsFeasible, feasible);
            ASSERT_LE(result.areasFeasible, feasible);
            ASSERT_EQ(result.bestSets.empty() ? 0 : result.bestSets[0].point.criterionValue, top);
        }
    }
    // Both roads must have been taken often enough for the checks to mean something.
    EXPECT_GT(answered, 200);
    EXPECT_GT(contradicted, 10);
    EXPECT_GT(bruteForced, 50);
    for (const Limit limit :
         {Limit::PumpPressure, Limit::PumpPower, Limit::LinerFlow, Limit::EquivalentDensity}) {
        EXPECT_GT(namedLimits[limit], 10) << static_cast<int>(limit);
    }
}

// Every multiset of `count` steps of a series of `sizes`, its steps at most `reach` apart, by
// the test's own recursion.
void eachSet(int sizes, int count, int reach, std::vector<int>& steps,
             const std::function<void(const std::vector<int>&)>& visit) {
    if (static_cast<int>(steps.size()) == count) {
        visit(steps);
        return;
    }
    const int from = steps.empty() ? 0 : steps.back();
    const int to = steps.empty() ? sizes - 1 : std::min(sizes - 1, steps.front() + reach);
    for (int step = from; step <= to; ++step) {
        steps.push_back(step);
        eachSet(sizes, count, reach, steps, visit);
        steps.pop_back();
    }
}

// The search by total area, which bits of many nozzles need, against a brute force over every set
// with the reference alone, and against the search that lists every set. Series on a grid
// (1/32 in, or mm in halves) give sets of equal area exactly equal sums of squares, which the
// brute force groups by.
TEST(SetSearchProperty, SearchByAreaEqualsBruteForce) {
    std::mt19937_64 random(170017);
    std::uniform_int_distribution<int> pick(0, 1000);
    int compared = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const HydraulicsInputs in = randomSetUp(random);
        OptimizationLimits limits = randomLimits(random, in);
        limits.nozzleCount = 1 + pick(random) % 7;
        limits.topCount = 1 + pick(random) % 8;
        std::vector<long> squares;  // of each size, in units of the grid
        if (pick(random) % 2 == 0) {
            const int first = 7 + pick(random) % 10;
            limits.series = NozzleSeries::thirtySecondsOfInch(first, first + 8);
            limits.spread = pick(random) % 3;
            for (const int k : limits.series.thirtySecondsInch) {
                squares.push_back(long{k} * k);
            }
        } else {
            std::vector<double> sizes;
            for (double size = 5 + 0.5 * (pick(random) % 10); sizes.size() < 6;
                 size += 0.5 * (1 + pick(random) % 3)) {
                sizes.push_back(size);
            }
            limits.series = NozzleSeries::millimetres(sizes);
            limits.spread = pick(random) % 2 == 0 ? std::nullopt : std::optional<int>(2);
            for (const double size : sizes) {
                squares.push_back(std::lround(4 * size * size));
            }
        }
        const auto& sizes = limits.series.diametersMm;
        std::optional<HydraulicModel> model;
        OptimizationResult byArea;
        try {
            model.emplace(in, limits);
            byArea.optimum = findContinuousOptimum(*model);
        } catch (const OptimizationRefused&) {
            continue;
        }
        OptimizationResult everySet = byArea;
        rankNozzleSets(*model, byArea, SetSearchMethod::ByArea);
        rankNozzleSets(*model, everySet, SetSearchMethod::EverySet);

        // The brute force: each set's largest 0.01 L/s within the limits, the best of each area.
        const Case check(in, limits);
        struct Best {
            double criterion = -1;
            double flow = 0;
        };
        std::map<long, Best> byAreaSum;
        std::vector<int> steps;
        eachSet(static_cast<int>(sizes.size()), limits.nozzleCount,
                limits.spread.value_or(static_cast<int>(sizes.size())), steps,
                [&](const std::vector<int>& set) {
                    Diameters nozzles{};
                    long sum = 0;
                    for (std::size_t i = 0; i < set.size(); ++i) {
                        nozzles[i] = sizes[static_cast<std::size_t>(set[i])];
                        sum += squares[static_cast<std::size_t>(set[i])];
                    }
                    const double q = check.largestGridFlow(nozzles);
                    if (q <= 0 || !check.reference().flowAllowed(q)) {
                        return;
                    }
                    const double value =
                        criterionValue(limits.criterion, check.figures(nozzles, q));
                    Best& best = byAreaSum[sum];
                    if (value > best.criterion) {
                        best = {value, q};
                    }
                });
        std::vector<std::pair<long, Best>> ranked(byAreaSum.begin(), byAreaSum.end());
        std::ranges::sort(ranked, [](const auto& a, const auto& b) {
            return a.second.criterion > b.second.criterion;
        });
        ASSERT_EQ(byArea.areasFeasible, static_cast<int>(ranked.size()));
        ASSERT_EQ(byArea.bestSets.size(),
                  std::min(ranked.size(), static_cast<std::size_t>(limits.topCount)));
        for (std::size_t i = 0; i < byArea.bestSets.size(); ++i) {
            const RankedSet& set = byArea.bestSets[i];
            long sum = 0;
            for (int n = 0; n < set.nozzles.count; ++n) {
                sum += squares[static_cast<std::size_t>(
                    set.nozzles.steps[static_cast<std::size_t>(n)])];
            }
            ASSERT_EQ(sum, ranked[i].first) << "rank " << i + 1;
            ASSERT_EQ(set.point.flowRate(), ranked[i].second.flow) << "rank " << i + 1;
            ASSERT_TRUE(near(set.point.criterionValue, ranked[i].second.criterion, 1e-12));
            if (limits.nozzleCount > 3) {
                // Listed one by one or searched by area, more than three nozzles list the same.
                ASSERT_EQ(everySet.bestSets.at(i).nozzles.steps, set.nozzles.steps);
                ASSERT_EQ(everySet.bestSets.at(i).point.flowRate(), set.point.flowRate());
            }
        }
        ++compared;
    }
    EXPECT_GT(compared, 30);
}

// The flow-range table: evenly spaced from no flow to a fifth beyond the window, each row the
// program's figures or its fault, the window marked.
TEST(OptimizerProperty, FlowRangeRowsAreTheProgramsFigures) {
    std::mt19937_64 random(99);
    for (int round = 0; round < 100; ++round) {
        const HydraulicsInputs in = randomSetUp(random);
        const OptimizationLimits limits = randomLimits(random, in);
        const int points = std::uniform_int_distribution<int>(2, 60)(random);
        const FlowRange range = computeFlowRange(in, limits, points);
        ASSERT_EQ(range.rows.size(), static_cast<std::size_t>(points));
        const OperatingWindow& window = range.window;
        const double end = 1.2 * std::max(window.lower.flowRate, window.upper.flowRate);
        ASSERT_EQ(range.rows.front().point.flowRate(), 0);
        ASSERT_TRUE(near(range.rows.back().point.flowRate(), end, 1e-15));
        // At no flow the pump pressure is 0 and the power utilisation has no value.
        ASSERT_TRUE(range.rows.front().fault);
        EXPECT_EQ(range.rows.front().fault->quantity(), "powerUtilization");
        double previousPressure = -1;
        for (const FlowRangeRow& row : range.rows) {
            const double q = row.point.flowRate();
            ASSERT_GT(row.point.pumpPressure(), previousPressure);
            previousPressure = row.point.pumpPressure();
            ASSERT_EQ(row.withinWindow,
                      !window.empty() && q >= window.lower.flowRate && q <= window.upper.flowRate);
            if (!row.fault) {
                ASSERT_TRUE(sameResults(row.point.results, computeHydraulics(row.point.inputs)));
                ASSERT_EQ(row.point.inputs.nozzleDiameter1, in.nozzleDiameter1);
            }
        }
    }
}

}  // namespace
}  // namespace bithydraulics::optimize
