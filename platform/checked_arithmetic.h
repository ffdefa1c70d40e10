#pragma once

#include <cmath>

#include "platform/calculation_fault.h"
#include "platform/elementary_functions.h"

// Checked arithmetic on doubles: every operation either gives a finite double or raises a
// CalculationFault. Inline, since the formulas run dozens of them per command.
namespace bithydraulics {

inline double finiteOrOverflow(double result) {
    if (!std::isfinite(result)) {
        raiseFault(FaultKind::Overflow);
    }
    return result;
}

inline double checkedAdd(double a, double b) {
    return finiteOrOverflow(a + b);
}
inline double checkedSubtract(double a, double b) {
    return finiteOrOverflow(a - b);
}
inline double checkedMultiply(double a, double b) {
    return finiteOrOverflow(a * b);
}

// A zero divisor is division by zero, except 0 ÷ 0, which counts as overflow.
inline double checkedDivide(double dividend, double divisor) {
    if (divisor == 0.0) {
        raiseFault(dividend == 0.0 ? FaultKind::Overflow : FaultKind::DivisionByZero);
    }
    return finiteOrOverflow(dividend / divisor);
}

// A negative base has no real power unless the exponent is whole; zero to a negative power is
// a division by zero in disguise.
inline double checkedPower(double base, double exponent) {
    if (base < 0.0 && std::trunc(exponent) != exponent) {
        raiseFault(FaultKind::InvalidArgument);
    }
    if (base == 0.0 && exponent < 0.0) {
        raiseFault(FaultKind::DivisionByZero);
    }
    return finiteOrOverflow(power(base, exponent));
}

// Square root of a value the caller knows is not negative.
inline double squareRoot(double value) {
    if (value < 0.0) {
        raiseFault(FaultKind::InvalidArgument);
    }
    return std::sqrt(value);
}

}  // namespace bithydraulics
