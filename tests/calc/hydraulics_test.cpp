#include "calc/hydraulics.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace bithydraulics {
namespace {

HydraulicsInputs defaults() {
    return {15, 16, 0, 30, 1.2, 216, 127, 165, 1820, 180, 13};
}

// Reference values worked out independently in 40-digit decimal arithmetic.
TEST(ComputeHydraulics, DefaultsMatchIndependentReference) {
    const HydraulicsResults r = computeHydraulics(defaults());
    const auto near = [](double expected) { return std::abs(expected) * 1e-9; };
    EXPECT_NEAR(r.nozzleArea, 377.585, near(377.585));
    EXPECT_NEAR(r.bitPressureDrop, 4.19513240344320, near(4.195));
    EXPECT_NEAR(r.bitHydraulicPower, 125.853972103296, near(125.85));
    EXPECT_NEAR(r.specificHydraulicPower, 3.43390145935133, near(3.43));
    EXPECT_NEAR(r.impactForce, 2856.19892394796, near(2856.2));
    EXPECT_NEAR(r.jetVelocity, 79.4523087516718, near(79.45));
    EXPECT_NEAR(r.annularVelocityPipe, 0.0125200642054575, near(0.01252));
    EXPECT_NEAR(r.annularVelocityCollar, 0.0196696001235140, near(0.01967));
    EXPECT_NEAR(r.powerUtilization, 0.322702492572554, near(0.3227));
    EXPECT_NEAR(r.annularPressureLoss, 1.44762197107699, near(1.4476));
}

TEST(ComputeHydraulics, ThirdNozzleOfZeroAddsNothing) {
    HydraulicsInputs in = defaults();
    in.nozzleDiameter1 = 16;
    in.nozzleDiameter2 = 0;
    in.nozzleDiameter3 = 15;
    EXPECT_DOUBLE_EQ(computeHydraulics(in).nozzleArea, computeHydraulics(defaults()).nozzleArea);
}

TEST(ComputeHydraulics, ZeroFlowMakesEveryResultButAreaZero) {
    HydraulicsInputs in = defaults();
    in.flowRate = 0;
    const HydraulicsResults r = computeHydraulics(in);
    EXPECT_NE(r.nozzleArea, 0);
    for (double v : {r.bitPressureDrop, r.bitHydraulicPower, r.specificHydraulicPower,
                     r.impactForce, r.jetVelocity, r.annularVelocityPipe, r.annularVelocityCollar,
                     r.powerUtilization, r.annularPressureLoss}) {
        EXPECT_EQ(v, 0.0);
    }
}

TEST(ComputeHydraulics, ZeroDensityZeroesPressureTermsOnly) {
    HydraulicsInputs in = defaults();
    in.mudDensity = 0;
    const HydraulicsResults r = computeHydraulics(in);
    EXPECT_EQ(r.bitPressureDrop, 0.0);
    EXPECT_EQ(r.bitHydraulicPower, 0.0);
    EXPECT_EQ(r.specificHydraulicPower, 0.0);
    EXPECT_EQ(r.impactForce, 0.0);
    EXPECT_EQ(r.powerUtilization, 0.0);
    EXPECT_EQ(r.annularPressureLoss, 0.0);
    const HydraulicsResults base = computeHydraulics(defaults());
    EXPECT_EQ(r.jetVelocity, base.jetVelocity);
    EXPECT_EQ(r.annularVelocityPipe, base.annularVelocityPipe);
    EXPECT_EQ(r.annularVelocityCollar, base.annularVelocityCollar);
}

TEST(ComputeHydraulics, HoleNarrowerThanPipeGivesNegativeVelocity) {
    HydraulicsInputs in = defaults();
    in.holeDiameter = 120;  // below both the pipe (127) and the collar (165)
    const HydraulicsResults r = computeHydraulics(in);
    EXPECT_LT(r.annularVelocityPipe, 0);
    EXPECT_LT(r.annularVelocityCollar, 0);
    EXPECT_LT(r.annularPressureLoss, 0);  // both loss terms change sign
}

struct FaultCase {
    std::string name;
    std::function<void(HydraulicsInputs&)> change;
    FaultKind kind;
    std::string quantity;
    // Test listings show the row name rather than its bytes.
    friend void PrintTo(const FaultCase& row, std::ostream* out) { *out << row.name; }
};

class ComputeHydraulicsFault : public testing::TestWithParam<FaultCase> {};

TEST_P(ComputeHydraulicsFault, RaisesKindAtStep) {
    HydraulicsInputs in = defaults();
    GetParam().change(in);
    try {
        computeHydraulics(in);
        FAIL() << "expected a CalculationFault";
    } catch (const CalculationFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
        EXPECT_EQ(fault.quantity(), GetParam().quantity);
    }
}

void allNozzlesZero(HydraulicsInputs& in) {
    in.nozzleDiameter1 = in.nozzleDiameter2 = in.nozzleDiameter3 = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ComputeHydraulicsFault,
    testing::Values(
        FaultCase{"AllNozzlesZero", allNozzlesZero, FaultKind::DivisionByZero, "bitPressureDrop"},
        FaultCase{"AllNozzlesAndFlowZero",
                  [](HydraulicsInputs& in) {
                      allNozzlesZero(in);
                      in.flowRate = 0;
                  },
                  FaultKind::Overflow, "bitPressureDrop"},
        FaultCase{"HoleDiameterZero", [](HydraulicsInputs& in) { in.holeDiameter = 0; },
                  FaultKind::DivisionByZero, "specificHydraulicPower"},
        FaultCase{"HoleEqualsPipe", [](HydraulicsInputs& in) { in.holeDiameter = 127; },
                  FaultKind::DivisionByZero, "annularVelocityPipe"},
        FaultCase{"HoleEqualsMinusPipe", [](HydraulicsInputs& in) { in.holeDiameter = -127; },
                  FaultKind::DivisionByZero, "annularVelocityPipe"},
        FaultCase{"HoleEqualsCollar", [](HydraulicsInputs& in) { in.holeDiameter = 165; },
                  FaultKind::DivisionByZero, "annularVelocityCollar"},
        FaultCase{"HoleEqualsCollarWithZeroFlow",
                  [](HydraulicsInputs& in) {
                      in.holeDiameter = 165;
                      in.flowRate = 0;
                  },
                  FaultKind::Overflow, "annularVelocityCollar"},
        FaultCase{"PumpPressureZero", [](HydraulicsInputs& in) { in.pumpPressure = 0; },
                  FaultKind::DivisionByZero, "powerUtilization"},
        FaultCase{"FlowNegative", [](HydraulicsInputs& in) { in.flowRate = -30; },
                  FaultKind::InvalidArgument, "annularPressureLoss"},
        FaultCase{"HugeNozzleSquares", [](HydraulicsInputs& in) { in.nozzleDiameter1 = 1e200; },
                  FaultKind::Overflow, "nozzleArea"},
        FaultCase{"HugeDensity", [](HydraulicsInputs& in) { in.mudDensity = 1e306; },
                  FaultKind::Overflow, "bitPressureDrop"},
        FaultCase{"HugeFlowOverflowsBeforeItsSquare",
                  [](HydraulicsInputs& in) { in.flowRate = 1e300; }, FaultKind::Overflow,
                  "bitPressureDrop"},
        FaultCase{"TinyPumpPressureOverflowsRatio",
                  [](HydraulicsInputs& in) { in.pumpPressure = 1e-308; }, FaultKind::Overflow,
                  "powerUtilization"},
        // Velocities of zero, yet (Dh − Dp)³ underflows to zero in the loss term.
        FaultCase{"LossDivisorUnderflowsToZero",
                  [](HydraulicsInputs& in) {
                      in.flowRate = 0;
                      in.holeDiameter = 1e-100;
                      in.pipeDiameter = 0.9999999999e-100;
                  },
                  FaultKind::DivisionByZero, "annularPressureLoss"}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

}  // namespace
}  // namespace bithydraulics
