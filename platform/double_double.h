#pragma once

// Unevaluated sums of two doubles, hi + lo with |lo| <= ulp(hi) / 2: about 106 bits of precision
// from the basic operations alone. Every step is an IEEE-754 addition, subtraction,
// multiplication or division, which every platform rounds alike, so the results are the same
// bits everywhere provided no multiply-add is contracted (the project builds with
// -ffp-contract=off).
namespace bithydraulics::exact {

struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for |a| >= |b| or a == 0.
constexpr DoubleDouble quickTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a + b exactly, whatever their sizes.
constexpr DoubleDouble twoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a × b exactly (barring overflow and underflow), by splitting each factor into halves of 26 bits
// whose products are exact.
constexpr DoubleDouble twoProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double product = a * b;
    const double aScaled = kSplitter * a;
    const double aHigh = aScaled - (aScaled - a);
    const double aLow = a - aHigh;
    const double bScaled = kSplitter * b;
    const double bHigh = bScaled - (bScaled - b);
    const double bLow = b - bHigh;
    const double error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
    return {product, error};
}

constexpr DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    DoubleDouble sum = twoSum(a.hi, b.hi);
    const DoubleDouble low = twoSum(a.lo, b.lo);
    sum = quickTwoSum(sum.hi, sum.lo + low.hi);
    return quickTwoSum(sum.hi, sum.lo + low.lo);
}

constexpr DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

constexpr DoubleDouble operator-(DoubleDouble a, DoubleDouble b) {
    return a + -b;
}

constexpr DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    DoubleDouble product = twoProduct(a.hi, b.hi);
    product.lo += a.hi * b.lo + a.lo * b.hi;
    return quickTwoSum(product.hi, product.lo);
}

constexpr DoubleDouble operator*(DoubleDouble a, double b) {
    DoubleDouble product = twoProduct(a.hi, b);
    product.lo += a.lo * b;
    return quickTwoSum(product.hi, product.lo);
}

constexpr DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    // A first quotient, then a correction from the exact remainder.
    const double first = a.hi / b.hi;
    const DoubleDouble remainder = a - b * first;
    const double second = remainder.hi / b.hi;
    const DoubleDouble partial = quickTwoSum(first, second);
    const DoubleDouble rest = a - b * partial;
    return partial + DoubleDouble{rest.hi / b.hi, 0.0};
}

}  // namespace bithydraulics::exact
