#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "calc/field_text.h"
#include "optimize/optimizer.h"
#include "optimize/texts.h"
#include "reference_model.h"

namespace bithydraulics::optimize {
namespace {

using testing::defaultSetUp;
using ::testing::HasSubstr;
using testing::ReferenceModel;
using testing::workedExampleLimits;

Refusal refusalOf(const HydraulicsInputs& in, const OptimizationLimits& limits) {
    try {
        optimizeHydraulics(in, limits);
    } catch (const OptimizationRefused& refused) {
        EXPECT_EQ(refused.what(), describeRefusal(refused.refusal(), Language::English));
        return refused.refusal();
    }
    ADD_FAILURE() << "not refused";
    return {};
}

// Hole cleaning against each upper limit, with no nozzle area that could help: the refusal names
// both limits and the flow rates each allows, in English and in Chinese, and no flow rate of a
// dense scan keeps to both.
TEST(Infeasible, HoleCleaningAgainstEachUpperLimit) {
    struct Row {
        std::function<void(OptimizationLimits&)> change;
        Limit upper;
        const char* english;
        const char* chinese;
    };
    const Row rows[] = {
        {[](OptimizationLimits& l) { l.maxFlow = 10; }, Limit::LinerFlow,
         "the liner's largest flow rate of 10.00 L/s allows at most 10.00 L/s", "缸套最大排量"},
        {[](OptimizationLimits& l) { l.maxEquivalentDensity = 1.21; }, Limit::EquivalentDensity,
         "the equivalent circulating density limit of 1.21 g/cm³", "当量循环密度上限 1.21"},
        {[](OptimizationLimits& l) { l.maxPressure = 2; }, Limit::PumpPressure,
         "the pump pressure limit of 2.00 MPa", "泵压上限 2.00 MPa"},
        {[](OptimizationLimits& l) { l.maxPower = 30; }, Limit::PumpPower,
         "the pump power of 30.00 kW", "泵功率 30.00 kW"},
    };
    for (const Row& row : rows) {
        OptimizationLimits limits = workedExampleLimits();
        limits.maxEquivalentDensity = 0;
        row.change(limits);
        const Refusal refusal = refusalOf(defaultSetUp(), limits);
        ASSERT_EQ(refusal.reason, RefusalReason::LimitsContradict);
        const Contradiction& c = refusal.contradiction;
        EXPECT_EQ(c.lower, Limit::HoleCleaning);
        EXPECT_EQ(c.upper, row.upper);
        EXPECT_LT(c.upperFlow, c.lowerFlow);

        const std::string english = describeRefusal(refusal, Language::English);
        EXPECT_THAT(english, HasSubstr("hole cleaning and "));
        EXPECT_THAT(english, HasSubstr(std::string(limitName(row.upper, Language::English)) +
                                       " contradict each other"));
        EXPECT_THAT(english, HasSubstr("smallest annular velocity 0.60 m/s) needs at least 14.38"));
        EXPECT_THAT(english, HasSubstr(row.english));
        const std::string chinese = describeRefusal(refusal, Language::SimplifiedChinese);
        EXPECT_THAT(chinese, HasSubstr("携岩与"));
        EXPECT_THAT(chinese, HasSubstr("相互矛盾"));
        EXPECT_THAT(chinese, HasSubstr(row.chinese));

        const ReferenceModel reference(defaultSetUp(), limits);
        for (double q = 0.01; q < 100; q += 0.01) {
            ASSERT_FALSE(reference.flowAllowed(q) && reference.idealCriterion(q) > 0) << q;
        }
    }
}

// Nozzles too small for the pump at the hole-cleaning flow rate leave the current window empty,
// but larger sets still answer: the window says which two limits meet, the optimiser goes on.
TEST(Infeasible, CurrentNozzlesTooSmallStillOptimised) {
    HydraulicsInputs in = defaultSetUp();
    in.nozzleDiameter1 = 8;
    in.nozzleDiameter2 = 8;
    in.pumpPressure = 70;
    OptimizationLimits limits = workedExampleLimits();
    limits.maxPressure = 15;
    limits.maxPower = 0;
    limits.maxEquivalentDensity = 0;
    const OptimizationResult result = optimizeHydraulics(in, limits);
    ASSERT_TRUE(result.currentWindow.empty());
    const Contradiction& c = *result.currentWindow.contradiction;
    EXPECT_EQ(c.lower, Limit::HoleCleaning);
    EXPECT_EQ(c.upper, Limit::PumpPressure);
    EXPECT_TRUE(c.withCurrentNozzles);
    EXPECT_THAT(
        describeContradiction(c, Language::English),
        HasSubstr("allows at most " + formatFixed2(c.upperFlow) + " L/s with the current nozzles"));
    EXPECT_FALSE(result.bestSets.empty());
}

// Set-ups and settings refused before anything is computed, each with its reason and figures.
TEST(Infeasible, RefusedSetUpsAndSettings) {
    struct Row {
        std::function<void(HydraulicsInputs&, OptimizationLimits&)> change;
        RefusalReason reason;
        const char* english;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.pumpPressure = 4; },
         RefusalReason::PumpPressureNotAboveBitDrop,
         "the pump pressure 4.00 MPa is not above the bit pressure drop 4.20 MPa: "},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.flowRate = 0; },
         RefusalReason::FlowRateNotPositive, "the flow rate 0.00 L/s is not above 0"},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.mudDensity = -1; },
         RefusalReason::DensityNotPositive, "mud density -1.00 g/cm³"},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.holeDiameter = 127; },
         RefusalReason::HoleNotWiderThanPipe, "127.00 mm is not wider than the drill pipe"},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.collarDiameter = 230; },
         RefusalReason::HoleNotWiderThanCollar, "not wider than the drill collars, 230.00 mm"},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.collarLength = -5; },
         RefusalReason::LengthNegative, "the drill-collar length -5.00 m is negative"},
        {[=](HydraulicsInputs& in, OptimizationLimits&) { in.pipeLength = nan; },
         RefusalReason::InputNotFinite, "pipeLength"},
        {[](HydraulicsInputs& in, OptimizationLimits& l) {
             in.pipeLength = 0;
             in.collarLength = 0;
             l.verticalDepth = 0;
         },
         RefusalReason::DepthNotPositive, "the vertical depth 0.00 m"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.maxEquivalentDensity = 1.2; },
         RefusalReason::EquivalentDensityNotAboveMud,
         "limit 1.20 g/cm³ is not above the mud density 1.20 g/cm³"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.criterion = Criterion::JetVelocity;
             l.minAnnularVelocity = 0;
         },
         RefusalReason::JetVelocityWithoutHoleCleaning, "jet velocity"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.maxPressure = 0; },
         RefusalReason::SettingOutOfRange,
         "highest pump pressure (MPa) must be above 0 and at most 10000, not 0"},
        // Figures that would only overflow the arithmetic name their setting and its range.
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.maxPressure = 1e308; },
         RefusalReason::SettingOutOfRange, "must be above 0 and at most 10000, not 1e+308"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.lossExponent = 1e-300; },
         RefusalReason::SettingOutOfRange, "loss exponent must be from 0.1 to 5, not 1e-300"},
        {[=](HydraulicsInputs&, OptimizationLimits& l) { l.lossExponent = nan; },
         RefusalReason::SettingOutOfRange, "loss exponent must be from 0.1 to 5, not NaN"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.maxPower = -720; },
         RefusalReason::SettingOutOfRange, "from 0 to 10000000 (0 for no limit), not -720"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.nozzleCount = 13; },
         RefusalReason::SettingOutOfRange, "number of nozzles must be 1 to 12, not 13"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.topCount = 1000000000; },
         RefusalReason::SettingOutOfRange, "number of sets to list must be 1 to 1000"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.series = NozzleSeries::millimetres({1e-300, 9});
         },
         RefusalReason::SettingOutOfRange, "nozzle size 1e-300 mm is not allowed"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.series = NozzleSeries::millimetres({9, 1e200});
         },
         RefusalReason::SettingOutOfRange, "sizes must be from 0.1 to 200 mm"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.series = NozzleSeries::millimetres({9, 8.5, 10});
         },
         RefusalReason::SeriesNotAscending, "smallest first, each once: 8.5 mm comes after 9 mm"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.series = NozzleSeries::millimetres({9, 9});
         },
         RefusalReason::SeriesNotAscending, "9 mm comes after 9 mm"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.spread = -1; },
         RefusalReason::SettingOutOfRange, "spread"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.topCount = 0; },
         RefusalReason::SettingOutOfRange, "number of sets to list"},
        {[](HydraulicsInputs&, OptimizationLimits& l) { l.series = NozzleSeries::millimetres({}); },
         RefusalReason::SettingOutOfRange, "holds 0 sizes"},
        {[](HydraulicsInputs&, OptimizationLimits& l) {
             l.series = NozzleSeries::millimetres({-2, 9});
         },
         RefusalReason::SettingOutOfRange, "nozzle size -2 mm is not allowed"},
    };
    for (const Row& row : rows) {
        HydraulicsInputs in = defaultSetUp();
        OptimizationLimits limits = workedExampleLimits();
        row.change(in, limits);
        const Refusal refusal = refusalOf(in, limits);
        EXPECT_EQ(refusal.reason, row.reason) << row.english;
        EXPECT_THAT(describeRefusal(refusal, Language::English), HasSubstr(row.english));
        const std::string chinese = describeRefusal(refusal, Language::SimplifiedChinese);
        EXPECT_NE(chinese, describeRefusal(refusal, Language::English));
        EXPECT_FALSE(chinese.empty());
    }
}

// A fault of the program's arithmetic comes out as the program reports it: kind and quantity.
TEST(Infeasible, CalculationFaultsPassedOn) {
    struct Row {
        std::function<void(HydraulicsInputs&, OptimizationLimits&)> change;
        FaultKind kind;
        const char* quantity;
    };
    const Row rows[] = {
        {[](HydraulicsInputs& in, OptimizationLimits&) {
             in.nozzleDiameter1 = in.nozzleDiameter2 = in.nozzleDiameter3 = 0;
         },
         FaultKind::DivisionByZero, "bitPressureDrop"},
        {[](HydraulicsInputs& in, OptimizationLimits&) { in.flowRate = 1e200; },
         FaultKind::Overflow, "bitPressureDrop"},
    };
    for (const Row& row : rows) {
        HydraulicsInputs in = defaultSetUp();
        OptimizationLimits limits = workedExampleLimits();
        row.change(in, limits);
        try {
            optimizeHydraulics(in, limits);
            ADD_FAILURE() << "no fault at " << row.quantity;
        } catch (const CalculationFault& fault) {
            EXPECT_EQ(fault.kind(), row.kind);
            EXPECT_EQ(fault.quantity(), row.quantity);
        }
    }
}

}  // namespace
}  // namespace bithydraulics::optimize
