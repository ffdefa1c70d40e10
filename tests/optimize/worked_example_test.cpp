#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <random>

#include "optimize/hydraulic_model.h"
#include "optimize/optimizer.h"
#include "reference_model.h"

namespace bithydraulics::optimize {
namespace {

using testing::defaultSetUp;
using testing::randomSetUp;
using testing::workedExampleLimits;

// The defaults with 18 MPa, 720 kW, 0.6 m/s, 1.30 g/cm³ over 2000 m, three nozzles of the 1/32 in
// series, spread 1: each figure to the precision the example gives it.
TEST(WorkedExample, BitHydraulicPower) {
    const OptimizationResult r = optimizeHydraulics(defaultSetUp(), workedExampleLimits());
    EXPECT_NEAR(r.calibration.lossCoefficient, 0.0157499, 5e-8);
    EXPECT_NEAR(r.calibration.minFlowRate, 14.377, 5e-4);
    ASSERT_TRUE(r.calibration.equivalentDensityFlowRate);
    EXPECT_NEAR(*r.calibration.equivalentDensityFlowRate, 35.32, 5e-3);

    const ContinuousOptimum& optimum = r.optimum;
    EXPECT_NEAR(optimum.point.flowRate(), 25.045, 5e-4);
    EXPECT_NEAR(optimum.point.results.bitPressureDrop, 11.706, 5e-4);
    EXPECT_NEAR(optimum.point.results.bitPressureDrop / 18, 0.650, 5e-4);
    EXPECT_NEAR(optimum.point.criterionValue, 293.19, 5e-3);
    EXPECT_EQ(optimum.regime, OptimumRegime::PumpPressure);

    ASSERT_FALSE(r.bestSets.empty());
    const RankedSet& best = r.bestSets.front();
    EXPECT_EQ(best.nozzles.thirtySecondsInch, (std::array<int, kMaxNozzleCount>{11, 11, 12}));
    EXPECT_DOUBLE_EQ(best.point.flowRate(), 25.23);
    EXPECT_NEAR(best.point.criterionValue, 292.8, 0.05);
    EXPECT_NEAR(best.shareOfOptimum, 0.999, 5e-4);
    EXPECT_NEAR(best.point.pumpPressure(), 17.99, 5e-3);
    EXPECT_EQ(best.limit, Limit::PumpPressure);

    ASSERT_TRUE(r.roundedUpSet);
    EXPECT_EQ(r.roundedUpSet->nozzles.thirtySecondsInch,
              (std::array<int, kMaxNozzleCount>{11, 11, 12}));
    EXPECT_NEAR(r.roundedUpSet->shareOfOptimum, 0.977, 5e-4);

    EXPECT_NEAR(r.currentWindow.lower.flowRate, 14.38, 5e-3);
    EXPECT_EQ(r.currentWindow.lower.limit, Limit::HoleCleaning);
    EXPECT_NEAR(r.currentWindow.upper.flowRate, 35.32, 5e-3);
    EXPECT_EQ(r.currentWindow.upper.limit, Limit::EquivalentDensity);
}

// The recommended set's own flow rates: from the hole-cleaning flow rate to where it meets the
// pump pressure limit, and its share of the optimum at each end. Worked out apart from the
// program (Python): the set's bit drop is c·Q² with c = 553.798·1.2/A², A = 0.785·Σd²; its upper
// end solves c·Q² + K·Q^1.86 = 18, K = (13 − Δpb(30 L/s))/30^1.86; the shares are c·Q³/293.187.
TEST(WorkedExample, RecommendedSetRunsWithinItsOwnWindow) {
    const OptimizationResult r = optimizeHydraulics(defaultSetUp(), workedExampleLimits());
    ASSERT_FALSE(r.bestSets.empty());
    const RankedSet& best = r.bestSets.front();
    ASSERT_FALSE(best.ownWindow.empty());
    EXPECT_NEAR(best.ownWindow.lower.flowRate, 14.3769, 1e-4);
    EXPECT_EQ(best.ownWindow.lower.limit, Limit::HoleCleaning);
    EXPECT_NEAR(best.ownWindow.upper.flowRate, 25.2391, 1e-4);
    EXPECT_EQ(best.ownWindow.upper.limit, Limit::PumpPressure);
    EXPECT_NEAR(best.shareAtLower, 0.18481, 1e-4);
    EXPECT_NEAR(best.shareAtUpper, 0.99991, 1e-4);
}

// The worked example for a bit with six nozzles of the 1/32 in series, spread 1. The continuous
// optimum does not depend on the count; its area A* = Q·√(553.798·ρ/Δpb) = 188.704 mm² takes six
// nozzles of √(A*/(6·0.785)) = 6.330 mm. The sets, worked out apart from the program (Python, each
// set's largest 0.01 L/s within 18 MPa, 720 kW and the ECD's 35.32 L/s, ranked by c·Q³):
//     8-8-8-8-8-8  25.15 L/s  293.096 kW  17.997 MPa
//     7-8-8-8-8-8  24.48 L/s  292.712 kW
//     8-8-8-8-8-9  25.87 L/s  292.522 kW
TEST(WorkedExample, SixNozzles) {
    OptimizationLimits limits = workedExampleLimits();
    limits.nozzleCount = 6;
    const OptimizationResult r = optimizeHydraulics(defaultSetUp(), limits);
    EXPECT_NEAR(r.optimum.point.flowRate(), 25.045, 5e-4);
    EXPECT_NEAR(r.optimum.point.results.nozzleArea, 188.704, 5e-3);
    EXPECT_NEAR(r.optimum.idealNozzleDiameter, 6.330, 5e-4);
    EXPECT_FALSE(r.optimum.idealOutsideSeries);

    struct Row {
        std::array<int, 6> sizes;
        double flow;
        double power;
    };
    const Row rows[] = {{{8, 8, 8, 8, 8, 8}, 25.15, 293.096},
                        {{7, 8, 8, 8, 8, 8}, 24.48, 292.712},
                        {{8, 8, 8, 8, 8, 9}, 25.87, 292.522}};
    ASSERT_GE(r.bestSets.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const RankedSet& set = r.bestSets[i];
        ASSERT_EQ(set.nozzles.count, 6);
        EXPECT_TRUE(std::equal(rows[i].sizes.begin(), rows[i].sizes.end(),
                               set.nozzles.thirtySecondsInch.begin()))
            << "rank " << i + 1;
        EXPECT_DOUBLE_EQ(set.point.flowRate(), rows[i].flow) << "rank " << i + 1;
        EXPECT_NEAR(set.point.criterionValue, rows[i].power, 5e-3) << "rank " << i + 1;
        EXPECT_EQ(set.point.nozzles.count, 6);
    }
    EXPECT_NEAR(r.bestSets[0].point.pumpPressure(), 17.997, 5e-4);
}

// A section of zero length is not in the hole: hole cleaning is the drill pipe's annulus alone,
// v_min·(Dh² − Dp²)/1274 = 0.5·(216² − 127²)/1274 = 11.981 L/s, whatever the collars' diameter.
TEST(WorkedExample, CollarsOfNoLengthTakeNoPartInHoleCleaning) {
    HydraulicsInputs in = defaultSetUp();
    in.collarDiameter = 100;
    in.collarLength = 0;
    OptimizationLimits limits;
    limits.maxPressure = 18;
    EXPECT_NEAR(optimizeHydraulics(in, limits).calibration.minFlowRate, 11.9808, 1e-4);
    // With no string at all and no ECD limit, nothing needs a depth.
    in.pipeLength = 0;
    EXPECT_EQ(optimizeHydraulics(in, limits).calibration.minFlowRate, 0);
}

TEST(WorkedExample, ImpactForce) {
    OptimizationLimits limits = workedExampleLimits();
    limits.criterion = Criterion::ImpactForce;
    const ContinuousOptimum optimum = optimizeHydraulics(defaultSetUp(), limits).optimum;
    EXPECT_NEAR(optimum.point.flowRate(), 30.943, 5e-4);
    EXPECT_NEAR(optimum.point.results.bitPressureDrop, 8.674, 5e-4);
    EXPECT_NEAR(optimum.point.results.bitPressureDrop / 18, 0.482, 5e-4);
}

// The reading's own flow rate and nozzles give back its own pump pressure, to the last bit.
TEST(Calibration, ReadingPredictsItsOwnPumpPressure) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(1.2, 2.5);
    for (int round = 0; round < 2000; ++round) {
        const HydraulicsInputs in = round == 0 ? defaultSetUp() : randomSetUp(random);
        OptimizationLimits limits;
        limits.maxPressure = in.pumpPressure;
        limits.lossExponent = exponent(random);
        const HydraulicModel model(in, limits);
        const OperatingPoint point = model.evaluate(model.currentNozzles(), in.flowRate);
        ASSERT_EQ(point.pumpPressure(), in.pumpPressure) << "round " << round;
        ASSERT_EQ(point.results.bitPressureDrop, computeHydraulics(in).bitPressureDrop);
    }
}

// With no other limit binding, the bit takes m/(m+1) of the pump pressure at the power optimum
// and m/(m+2) at the impact optimum (the parasitic loss 1/(m+1) and 2/(m+2)).
TEST(ContinuousOptimum, ClosedFormSharesWhenNoLimitBinds) {
    struct Row {
        Criterion criterion;
        double exponent;
        double share;
    };
    const Row rows[] = {
        {Criterion::BitHydraulicPower, 1.86, 1.86 / 2.86},
        {Criterion::BitHydraulicPower, 1.5, 1.5 / 2.5},
        {Criterion::BitHydraulicPower, 2.2, 2.2 / 3.2},
        {Criterion::ImpactForce, 1.86, 1.86 / 3.86},
        {Criterion::ImpactForce, 1.5, 1.5 / 3.5},
        {Criterion::ImpactForce, 2.2, 2.2 / 4.2},
    };
    for (const Row& row : rows) {
        OptimizationLimits limits;
        limits.maxPressure = 25;
        limits.minAnnularVelocity = 0;
        limits.criterion = row.criterion;
        limits.lossExponent = row.exponent;
        const ContinuousOptimum optimum = optimizeHydraulics(defaultSetUp(), limits).optimum;
        EXPECT_EQ(optimum.regime, OptimumRegime::PumpPressure);
        EXPECT_NEAR(optimum.point.results.bitPressureDrop / 25, row.share, 1e-12)
            << "exponent " << row.exponent;
        EXPECT_NEAR(optimum.point.results.powerUtilization, row.share, 1e-12);
    }
}

}  // namespace
}  // namespace bithydraulics::optimize
