#include "platform/elementary_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace bithydraulics {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct PowerRow {
    std::string name;
    double base;
    double exponent;
    double expected;  // the exact power correctly rounded, worked out to 300 bits
    friend void PrintTo(const PowerRow& row, std::ostream* out) { *out << row.name; }
};

class CorrectlyRoundedPower : public testing::TestWithParam<PowerRow> {};

TEST_P(CorrectlyRoundedPower, MatchesTheExactPowerRounded) {
    const PowerRow& row = GetParam();
    EXPECT_EQ(power(row.base, row.exponent), row.expected)
        << std::hexfloat << power(row.base, row.exponent) << " for " << row.expected;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CorrectlyRoundedPower,
    testing::Values(
        // Some system libraries round this one down.
        PowerRow{"flow_73_to_1_86", 73.0, 1.86, 0x1.6d5599549a459p+11},
        PowerRow{"flow_43_8_to_1_86", 43.812833, 1.86, 0x1.1ab1fb2a3d55bp+10},
        PowerRow{"half_to_1_86", 0.5, 1.86, 0x1.1a167423fc31bp-2},
        PowerRow{"small_flow_to_1_86", 0.0025, 1.86, 0x1.e5327d4b2748fp-17},
        PowerRow{"large_flow_to_1_86", 1234.5678, 1.86, 0x1.12b7ed1f183f5p+19},
        PowerRow{"whole_cube", 7.0, 3.0, 343.0},
        PowerRow{"fourth_root", 1.1, 0.25, 0x1.062c509200ec3p+0},
        PowerRow{"third_as_a_double", 370000.0, 1.0 / 3, 0x1.1f29843d9d988p+6},
        PowerRow{"negative_fraction", 0.3, -2.5, 0x1.44938a632994cp+4},
        PowerRow{"root_of_a_tiny_figure", 1e-300, 0.5, 0x1.a2fe76a3f9475p-499},
        PowerRow{"near_one_to_a_million", 1.0000001, 1e6, 0x1.1aec7b1e2b426p+0},
        PowerRow{"negative_whole_exponent", 10.0, -7.0, 0x1.ad7f29abcaf48p-24},
        PowerRow{"negative_base_odd_power", -2.0, 3.0, -8.0},
        PowerRow{"negative_base_even_power", -3.0, 2.0, 9.0},
        PowerRow{"overflow", 10.0, 400.0, kInfinity}, PowerRow{"underflow", 10.0, -400.0, 0.0},
        PowerRow{"zero_to_a_negative_power", 0.0, -1.0, kInfinity},
        PowerRow{"anything_to_zero", 0.0, 0.0, 1.0}));

TEST(ElementaryFunctions, NegativeBaseWithAFractionalExponentHasNoRealPower) {
    EXPECT_TRUE(std::isnan(power(-8.0, 1.86)));
    EXPECT_TRUE(std::isnan(binaryLogarithm(-1.0)));
}

TEST(ElementaryFunctions, CubeRootAndBinaryLogarithmCorrectlyRounded) {
    EXPECT_EQ(cubeRoot(3.0), 0x1.7137449123ef6p+0);
    EXPECT_EQ(cubeRoot(-123.456), -0x1.3ead4f488ee35p+2);
    EXPECT_EQ(cubeRoot(7e200), 0x1.513f00ac2730cp+222);
    EXPECT_EQ(binaryLogarithm(3.0), 0x1.95c01a39fbd68p+0);
    EXPECT_EQ(binaryLogarithm(1e-5), -0x1.09c1165ec0627p+4);
    EXPECT_EQ(binaryLogarithm(0.0), -kInfinity);
}

// Exact answers must come out exact, however they are reached: whole powers, cubes and powers
// of two.
TEST(ElementaryFunctions, ExactAnswersStayExact) {
    for (int n = -60; n <= 60; ++n) {
        EXPECT_EQ(binaryLogarithm(std::ldexp(1.0, n)), n);
        EXPECT_EQ(power(2.0, n), std::ldexp(1.0, n));
        EXPECT_EQ(power(std::ldexp(1.0, n), 0.5),
                  n % 2 == 0 ? std::ldexp(1.0, n / 2) : std::sqrt(std::ldexp(1.0, n)));
    }
    for (std::int64_t k = 1; k < 200'000; k += 97) {
        const auto value = static_cast<double>(k);
        EXPECT_EQ(cubeRoot(value * value * value), value);
        EXPECT_EQ(power(value, 3.0), value * value * value) << k;  // exact below 2^53
    }
}

// Against the system's pow, which is within an ulp or so everywhere: catches a wrong table entry
// or a series cut short, which would be far off.
TEST(ElementaryFunctions, WithinAnUlpOfTheSystemPow) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> magnitude(-30.0, 30.0);
    std::uniform_real_distribution<double> exponent(-8.0, 8.0);
    for (int i = 0; i < 200'000; ++i) {
        const double x = std::exp(magnitude(random));
        const double y = exponent(random);
        const double ours = power(x, y);
        const double system = std::pow(x, y);
        ASSERT_LE(std::fabs(ours - system),
                  std::nextafter(std::fabs(system), kInfinity) - std::fabs(system))
            << std::hexfloat << x << " ^ " << y;
    }
}

}  // namespace
}  // namespace bithydraulics
