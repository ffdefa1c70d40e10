#include <gtest/gtest.h>

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
    EXPECT_EQ(best.nozzles.thirtySecondsInch, (std::array<int, 3>{11, 11, 12}));
    EXPECT_DOUBLE_EQ(best.point.flowRate(), 25.23);
    EXPECT_NEAR(best.point.criterionValue, 292.8, 0.05);
    EXPECT_NEAR(best.shareOfOptimum, 0.999, 5e-4);
    EXPECT_NEAR(best.point.pumpPressure(), 17.99, 5e-3);
    EXPECT_EQ(best.limit, Limit::PumpPressure);

    ASSERT_TRUE(r.roundedUpSet);
    EXPECT_EQ(r.roundedUpSet->nozzles.thirtySecondsInch, (std::array<int, 3>{11, 11, 12}));
    EXPECT_NEAR(r.roundedUpSet->shareOfOptimum, 0.977, 5e-4);

    EXPECT_NEAR(r.currentWindow.lower.flowRate, 14.38, 5e-3);
    EXPECT_EQ(r.currentWindow.lower.limit, Limit::HoleCleaning);
    EXPECT_NEAR(r.currentWindow.upper.flowRate, 35.32, 5e-3);
    EXPECT_EQ(r.currentWindow.upper.limit, Limit::EquivalentDensity);
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
