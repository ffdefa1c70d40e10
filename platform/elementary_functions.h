#pragma once

// The functions beyond + − × ÷ and the square root that the formulas and the optimiser use, of
// the program's own: each carries about 100 bits through double-double arithmetic and rounds once
// at the end, so its result is the correctly rounded one but for inputs vanishingly close to a
// rounding boundary, and the same bits on every platform, compiler and CPU. (The system
// libraries' own differ from one another in the last bit.)
namespace bithydraulics {

// base^exponent with the special cases of std::pow: NaN for a negative base and a fractional
// exponent, ±∞ for a zero base and a negative exponent, ∞ beyond the range of a double.
double power(double base, double exponent);

// The real cube root: negative for a negative value.
double cubeRoot(double value);

// log₂ value: −∞ for 0, NaN for a negative value.
double binaryLogarithm(double value);

}  // namespace bithydraulics
