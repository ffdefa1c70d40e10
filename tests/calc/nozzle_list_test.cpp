#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "calc/hydraulics.h"

namespace bithydraulics {
namespace {

HydraulicsInputs defaultInputs() {
    return {15, 16, 0, 30, 1.2, 216, 127, 165, 1820, 180, 13};
}

// A PDC bit's six nozzles of 10, 10, 11, 11, 12 and 12 mm at the default set-up. The figures were
// worked out apart from the program, in 40-digit decimals (Python's decimal module):
//     A0  = 0.785 × (2·10² + 2·11² + 2·12²)             = 573.05
//     Δpb = 553.798 × 1.2 × (30 / A0)²                   = 1.8213361381
//     Pb  = Δpb × 30 = 54.640084143,  Ps = 1273·Pb / 216² = 1.49084420255
//     F   = 42.433 × 30 × √(1.2·Δpb)                     = 1881.96120879
//     vj  = 1000 × 30 / A0                               = 52.3514527528
//     η   = Δpb / 13                                     = 0.140102779854
// and the annulus, which the nozzles do not touch, as for the defaults.
TEST(NozzleList, SixNozzlesGiveTheFiguresWorkedByHand) {
    const std::array<double, 6> nozzles{10, 10, 11, 11, 12, 12};
    const HydraulicsResults r = computeHydraulics(defaultInputs(), nozzles);
    struct Row {
        const char* name;
        double computed;
        double expected;
    };
    for (const Row& row : {Row{"nozzleArea", r.nozzleArea, 573.05},
                           Row{"bitPressureDrop", r.bitPressureDrop, 1.8213361381},
                           Row{"bitHydraulicPower", r.bitHydraulicPower, 54.640084143},
                           Row{"specificHydraulicPower", r.specificHydraulicPower, 1.49084420255},
                           Row{"impactForce", r.impactForce, 1881.96120879},
                           Row{"jetVelocity", r.jetVelocity, 52.3514527528},
                           Row{"annularVelocityPipe", r.annularVelocityPipe, 0.0125200642055},
                           Row{"annularVelocityCollar", r.annularVelocityCollar, 0.0196696001235},
                           Row{"powerUtilization", r.powerUtilization, 0.140102779854},
                           Row{"annularPressureLoss", r.annularPressureLoss, 1.44762197108}}) {
        EXPECT_NEAR(row.computed, row.expected, 1e-10 * row.expected) << row.name;
    }
}

std::array<double, 10> asArray(const HydraulicsResults& r) {
    return {
        r.nozzleArea,       r.bitPressureDrop,    r.bitHydraulicPower,   r.specificHydraulicPower,
        r.impactForce,      r.jetVelocity,        r.annularVelocityPipe, r.annularVelocityCollar,
        r.powerUtilization, r.annularPressureLoss};
}

// The outcome of one calculation: every result to the bit, or the fault's kind and place.
struct Outcome {
    std::optional<std::array<double, 10>> results;
    FaultKind kind = FaultKind::Overflow;
    std::string quantity;

    template <class Compute>
    static Outcome of(Compute&& compute) {
        Outcome outcome;
        try {
            outcome.results = asArray(compute());
        } catch (const CalculationFault& fault) {
            outcome.kind = fault.kind();
            outcome.quantity = fault.quantity();
        }
        return outcome;
    }
};

// Three listed nozzles are the three fields, bit for bit and fault for fault, over figures from
// everyday to extreme (zeros, negatives, squares that overflow or vanish), and a set of fewer
// nozzles listed alone matches the fields with zeros after it. The three nozzle fields take no
// part when a list is given.
TEST(NozzleList, ListedNozzlesAreTheThreeFieldsExactly) {
    std::mt19937_64 random(1717);
    std::uniform_real_distribution<double> everyday(0, 40);
    std::uniform_int_distribution<int> pick(0, 9);
    const auto figure = [&]() -> double {
        switch (pick(random)) {
            case 0:
                return 0;
            case 1:
                return 1e200;
            case 2:
                return -everyday(random);
            case 3:
                return 1e-200;
            default:
                return everyday(random);
        }
    };
    int faults = 0;
    for (int round = 0; round < 20000; ++round) {
        HydraulicsInputs in = defaultInputs();
        in.nozzleDiameter1 = figure();
        in.nozzleDiameter2 = figure();
        in.nozzleDiameter3 = pick(random) < 3 ? 0 : figure();
        in.flowRate = pick(random) == 0 ? 0 : everyday(random) * 2;
        const Outcome fields = Outcome::of([&] { return computeHydraulics(in); });
        const std::array<double, 3> three{in.nozzleDiameter1, in.nozzleDiameter2,
                                          in.nozzleDiameter3};
        HydraulicsInputs decoy = in;
        decoy.nozzleDiameter1 = decoy.nozzleDiameter2 = decoy.nozzleDiameter3 = 99;
        const Outcome listed = Outcome::of([&] { return computeHydraulics(decoy, three); });
        ASSERT_EQ(listed.results, fields.results) << "round " << round;
        if (!fields.results) {
            ++faults;
            ASSERT_EQ(listed.kind, fields.kind);
            ASSERT_EQ(listed.quantity, fields.quantity);
        }
        if (in.nozzleDiameter3 == 0) {
            const Outcome two =
                Outcome::of([&] { return computeHydraulics(decoy, std::span(three).first(2)); });
            ASSERT_EQ(two.results, fields.results) << "round " << round;
        }
    }
    EXPECT_GT(faults, 1000);
}

}  // namespace
}  // namespace bithydraulics
