#include "calc/hydraulics.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace bithydraulics {
namespace {

HydraulicsInputs defaults() {
    return {15, 16, 0, 30, 1.2, 216, 127, 165, 1820, 180, 13};
}

// Every result exactly, worked out apart from this code in IEEE double arithmetic, step by step in
// the order the formulas fix (the defaults agree with 40-digit decimal references to 1e-9). The
// two other set-ups have figures awkward enough that a step done in another order, or a product
// regrouped, changes some result in its last bits.
TEST(ComputeHydraulics, ExactValuesInTheFormulasOrder) {
    struct Case {
        HydraulicsInputs inputs;
        std::array<double, 10> results;
    };
    for (const Case& c : std::vector<Case>{
             {defaults(),
              {0x1.7995c28f5c290p+8, 0x1.0c7d0c9ecb6b3p+2, 0x1.f76a77a9bd690p+6,
               0x1.b78a1540cce20p+1, 0x1.65065d95c15ccp+11, 0x1.3dcf2a0680800p+6,
               0x1.9a41e92733875p-7, 0x1.424448506080cp-6, 0x1.4a7285afbf48ep-2,
               0x1.72975a7ebf2b2p+0}},
             {{15.3, 19.6, 16.5, 21.4, 1.41, 219.7, 115.1, 172.2, 2098, 197, 20.5},
              {0x1.5d8570a3d70a5p+9, 0x1.76ae272d1ff4fp-1, 0x1.f5228799278acp+3,
               0x1.a6ef2dd9518ddp-2, 0x1.cd3412d67dc6dp+9, 0x1.e9d01703519e7p+4,
               0x1.fe34de067031cp-8, 0x1.dfea3904e15dfp-7, 0x1.246ef2de89550p-5,
               0x1.a1dd02af0f8efp-1}},
             {{15.2, 12.5, 13.4, 43.8, 1.32, 268.9, 133.1, 159.1, 1462, 232, 21.9},
              {0x1.bcfa2d0e56041p+8, 0x1.c54ab585d4497p+2, 0x1.3638baa1307bdp+8,
               0x1.5d8aa2cbb604ep+2, 0x1.632d17eb0471ap+12, 0x1.89ba5dcfe6a10p+6,
               0x1.4ef0c3e83bb5cp-7, 0x1.85166b6dc22dfp-7, 0x1.4b2c0fb9722ebp-2,
               0x1.e389ca52bf421p-2}},
         }) {
        const HydraulicsResults r = computeHydraulics(c.inputs);
        const std::array<double, 10> results{r.nozzleArea,          r.bitPressureDrop,
                                             r.bitHydraulicPower,   r.specificHydraulicPower,
                                             r.impactForce,         r.jetVelocity,
                                             r.annularVelocityPipe, r.annularVelocityCollar,
                                             r.powerUtilization,    r.annularPressureLoss};
        for (std::size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(results[i], c.results[i])
                << "result " << i << " of set-up with Q " << c.inputs.flowRate;
        }
    }
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
