#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "optimize/optimizer.h"
#include "optimize/texts.h"
#include "reference_model.h"

namespace bithydraulics::optimize {
namespace {

using testing::defaultSetUp;
using testing::ReferenceModel;
using testing::workedExampleLimits;

// Each regime of the continuous optimum on the default set-up, with the limit changed that puts
// it there, and where that places the optimum's flow rate and pump.
TEST(ContinuousOptimum, EachRegimeAndItsFlowRate) {
    struct Row {
        const char* name;
        std::function<void(OptimizationLimits&)> change;
        OptimumRegime regime;
        double flowRate;  // expected Q*, L/s; 0 when only the regime is pinned
    };
    const double minFlowAt1_1 = 1.1 * (216.0 * 216 - 127.0 * 127) / 1274;
    const Row rows[] = {
        {"pressure", [](OptimizationLimits&) {}, OptimumRegime::PumpPressure, 0},
        {"power and pressure meet", [](OptimizationLimits& l) { l.maxPower = 400; },
         OptimumRegime::PumpPressureAndPower, 400.0 / 18},
        {"impact inside the power-limited range",
         [](OptimizationLimits& l) {
             l.criterion = Criterion::ImpactForce;
             l.maxPower = 300;
         },
         OptimumRegime::PumpPower, 0},
        {"hole cleaning above the pressure optimum",
         [](OptimizationLimits& l) { l.minAnnularVelocity = 1.1; }, OptimumRegime::HoleCleaning,
         minFlowAt1_1},
        {"jet velocity at the smallest flow",
         [](OptimizationLimits& l) { l.criterion = Criterion::JetVelocity; },
         OptimumRegime::HoleCleaning, 0.6 * (216.0 * 216 - 127.0 * 127) / 1274},
        {"liner", [](OptimizationLimits& l) { l.maxFlow = 20; }, OptimumRegime::LinerFlow, 20},
        {"equivalent density", [](OptimizationLimits& l) { l.maxEquivalentDensity = 1.24; },
         OptimumRegime::EquivalentDensity, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptimizationLimits limits = workedExampleLimits();
        limits.maxEquivalentDensity = 0;
        row.change(limits);
        const OptimizationResult result = optimizeHydraulics(defaultSetUp(), limits);
        const ContinuousOptimum& optimum = result.optimum;
        EXPECT_EQ(optimum.regime, row.regime);
        const double flow = optimum.point.flowRate();
        if (row.flowRate > 0) {
            EXPECT_NEAR(flow, row.flowRate, 1e-9 * row.flowRate);
        }
        const ReferenceModel reference(defaultSetUp(), limits);
        const double pressure = optimum.point.pumpPressure();
        const double power = optimum.point.pumpPower;
        switch (row.regime) {
            case OptimumRegime::PumpPressure:
                EXPECT_NEAR(pressure, 18, 1e-9);
                break;
            case OptimumRegime::PumpPower:
                // The pump gives its full power below its pressure limit.
                EXPECT_NEAR(power, 300, 1e-9);
                EXPECT_LT(pressure, 18 - 1);
                break;
            case OptimumRegime::PumpPressureAndPower:
                EXPECT_NEAR(pressure, 18, 1e-9);
                EXPECT_NEAR(power, 400, 1e-9);
                break;
            case OptimumRegime::EquivalentDensity:
                EXPECT_NEAR(optimum.point.equivalentDensity, 1.24, 1e-12);
                break;
            default:
                break;
        }
        // Whatever holds it, the bit takes all the pump may deliver beyond the parasitic loss.
        EXPECT_NEAR(optimum.point.results.bitPressureDrop,
                    reference.available(flow) - reference.parasiticLoss(flow), 1e-9);
    }
}

// The current nozzles' window: each end at the flow rate where its limit is just kept, and a
// hair beyond it broken, as the program computes the figures.
TEST(OperatingWindow, EachEndSetByItsLimit) {
    struct Row {
        const char* name;
        std::function<void(OptimizationLimits&)> change;
        Limit lower;
        Limit upper;
    };
    const Row rows[] = {
        {"pump pressure", [](OptimizationLimits&) {}, Limit::HoleCleaning, Limit::PumpPressure},
        {"pump power", [](OptimizationLimits& l) { l.maxPower = 400; }, Limit::HoleCleaning,
         Limit::PumpPower},
        {"liner", [](OptimizationLimits& l) { l.maxFlow = 28; }, Limit::HoleCleaning,
         Limit::LinerFlow},
        {"equivalent density", [](OptimizationLimits& l) { l.maxEquivalentDensity = 1.3; },
         Limit::HoleCleaning, Limit::EquivalentDensity},
        {"no hole-cleaning limit", [](OptimizationLimits& l) { l.minAnnularVelocity = 0; },
         Limit::None, Limit::PumpPressure},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OptimizationLimits limits;
        limits.maxPressure = 18;
        limits.minAnnularVelocity = 0.6;
        limits.verticalDepth = 2000;
        row.change(limits);
        const OperatingWindow window = computeFlowRange(defaultSetUp(), limits, 2).window;
        EXPECT_FALSE(window.empty());
        EXPECT_EQ(window.lower.limit, row.lower);
        EXPECT_EQ(window.upper.limit, row.upper);

        const ReferenceModel reference(defaultSetUp(), limits);
        const auto pumpPressure = [&](double q) {
            return computeHydraulics(reference.withFlow(q)).bitPressureDrop +
                   reference.parasiticLoss(q);
        };
        const auto keeps = [&](Limit limit, double q) {
            const HydraulicsResults r = computeHydraulics(reference.withFlow(q));
            switch (limit) {
                case Limit::None:
                    return q >= 0;
                case Limit::HoleCleaning:
                    return r.annularVelocityPipe * 100 >= limits.minAnnularVelocity;
                case Limit::PumpPressure:
                    return pumpPressure(q) <= limits.maxPressure * (1 + 1e-13);
                case Limit::PumpPower:
                    return pumpPressure(q) * q <= limits.maxPower * (1 + 1e-13);
                case Limit::LinerFlow:
                    return q <= limits.maxFlow;
                case Limit::EquivalentDensity:
                    return reference.equivalentDensity(r.annularPressureLoss) <=
                           limits.maxEquivalentDensity * (1 + 1e-13);
            }
            return false;
        };
        const double lower = window.lower.flowRate;
        const double upper = window.upper.flowRate;
        EXPECT_TRUE(keeps(row.lower, lower));
        EXPECT_TRUE(keeps(row.upper, upper));
        if (row.lower != Limit::None) {
            EXPECT_FALSE(keeps(row.lower, lower * (1 - 1e-9)));
        } else {
            EXPECT_EQ(lower, 0);
        }
        EXPECT_FALSE(keeps(row.upper, upper * (1 + 1e-9)));
    }
}

// A set is named by its sizes in the series' own terms.
TEST(Texts, NozzleSetLabels) {
    NozzleSet inches;
    inches.count = 3;
    inches.thirtySecondsInch = {11, 11, 12};
    inches.diametersMm = {11 * 25.4 / 32, 11 * 25.4 / 32, 12 * 25.4 / 32};
    EXPECT_EQ(nozzleSetLabel(inches), "11-11-12/32 in");
    NozzleSet millimetres;
    millimetres.count = 2;
    millimetres.diametersMm = {8.5, 9};
    EXPECT_EQ(nozzleSetLabel(millimetres), "8.5-9 mm");
}

}  // namespace
}  // namespace bithydraulics::optimize
