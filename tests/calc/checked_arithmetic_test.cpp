#include "platform/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace bithydraulics {
namespace {

struct ArithmeticCase {
    std::string name;
    std::function<double()> operation;
    std::optional<FaultKind> fault;  // nullopt: a finite result is expected
    // Test listings show the row name rather than its bytes.
    friend void PrintTo(const ArithmeticCase& row, std::ostream* out) { *out << row.name; }
};

class CheckedArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(CheckedArithmetic, FaultsExactlyWhenNoFiniteResult) {
    const ArithmeticCase& c = GetParam();
    if (!c.fault) {
        EXPECT_NO_THROW(c.operation());
        return;
    }
    try {
        c.operation();
        FAIL() << "expected a fault";
    } catch (const CalculationFault& fault) {
        EXPECT_EQ(fault.kind(), *c.fault);
        EXPECT_TRUE(fault.quantity().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedArithmetic,
    testing::Values(
        ArithmeticCase{"AddOverflows", [] { return checkedAdd(DBL_MAX, DBL_MAX); },
                       FaultKind::Overflow},
        ArithmeticCase{"SubtractOverflows", [] { return checkedSubtract(-DBL_MAX, DBL_MAX); },
                       FaultKind::Overflow},
        ArithmeticCase{"MultiplyOverflows", [] { return checkedMultiply(1e200, 1e200); },
                       FaultKind::Overflow},
        ArithmeticCase{"MultiplyUnderflowIsFine", [] { return checkedMultiply(1e-200, 1e-200); },
                       std::nullopt},
        ArithmeticCase{"DivideByZero", [] { return checkedDivide(1, 0); },
                       FaultKind::DivisionByZero},
        ArithmeticCase{"DivideByNegativeZero", [] { return checkedDivide(-1, -0.0); },
                       FaultKind::DivisionByZero},
        ArithmeticCase{"ZeroByZeroIsOverflow", [] { return checkedDivide(0, 0); },
                       FaultKind::Overflow},
        ArithmeticCase{"DivideOverflows", [] { return checkedDivide(1e300, 1e-300); },
                       FaultKind::Overflow},
        ArithmeticCase{"NegativeBaseFractionalPower", [] { return checkedPower(-2, 1.86); },
                       FaultKind::InvalidArgument},
        ArithmeticCase{"NegativeBaseWholePower", [] { return checkedPower(-2, 3); }, std::nullopt},
        ArithmeticCase{"PowerOverflows", [] { return checkedPower(1e200, 2); },
                       FaultKind::Overflow},
        ArithmeticCase{"ZeroToNegativePower", [] { return checkedPower(0, -1); },
                       FaultKind::DivisionByZero},
        ArithmeticCase{"ZeroToFractionalPower", [] { return checkedPower(0, 1.86); },
                       std::nullopt}),
    [](const testing::TestParamInfo<ArithmeticCase>& info) { return info.param.name; });

TEST(CheckedArithmetic, PowersAreExactForSmallWholeExponents) {
    EXPECT_EQ(checkedPower(-3, 3), -27.0);
    EXPECT_EQ(checkedPower(16, 2), 256.0);
    EXPECT_EQ(squareRoot(0), 0.0);
}

TEST(CalculationFault, CarriesErrorNumberAndLocation) {
    EXPECT_EQ(CalculationFault(FaultKind::DivisionByZero).errorNumber(), 11);
    EXPECT_EQ(CalculationFault(FaultKind::Overflow).errorNumber(), 6);
    EXPECT_EQ(CalculationFault(FaultKind::InvalidArgument).errorNumber(), 5);
    const CalculationFault located = CalculationFault(FaultKind::Overflow).at("flowRate");
    EXPECT_EQ(located.kind(), FaultKind::Overflow);
    EXPECT_EQ(located.quantity(), "flowRate");
    EXPECT_EQ(faultKindDescription(FaultKind::DivisionByZero), "除数为零");
    EXPECT_EQ(faultKindName(FaultKind::InvalidArgument), "invalid_argument");
}

}  // namespace
}  // namespace bithydraulics
