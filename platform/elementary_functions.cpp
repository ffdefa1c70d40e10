#include "platform/elementary_functions.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/double_double.h"

namespace bithydraulics {
namespace {

using exact::DoubleDouble;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// ln 2 to 160 bits, in three parts.
constexpr DoubleDouble kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kLn2Third = 0x1.7b57a079a1934p-111;

// 1/(2k+1) and 1/k! as double-doubles, made when the program is compiled.
constexpr DoubleDouble oddReciprocal(int k) {
    return DoubleDouble{1.0, 0.0} / DoubleDouble{2.0 * k + 1, 0.0};
}

constexpr DoubleDouble factorialReciprocal(int k) {
    DoubleDouble term{1.0, 0.0};
    for (int i = 2; i <= k; ++i) {
        term = term / DoubleDouble{static_cast<double>(i), 0.0};
    }
    return term;
}

constexpr DoubleDouble kThird = oddReciprocal(1);
constexpr DoubleDouble kFifth = oddReciprocal(2);
// 1/k! for k ≤ 6 in double-doubles, for k ≤ 11 in doubles.
constexpr std::array<DoubleDouble, 7> kFactorialTable = [] {
    std::array<DoubleDouble, 7> table{};
    for (int k = 0; k < 7; ++k) {
        table[k] = factorialReciprocal(k);
    }
    return table;
}();
constexpr std::array<double, 12> kFactorials = [] {
    std::array<double, 12> table{};
    for (int k = 0; k < 12; ++k) {
        table[k] = factorialReciprocal(k).hi;
    }
    return table;
}();

// ln(1 + z) = 2 atanh(z / (2 + z)) by the series s + s³/3 + s⁵/5 + …, with `terms` terms. Only for
// the tables below, where speed does not matter.
constexpr DoubleDouble slowLogOnePlus(DoubleDouble z, int terms) {
    const DoubleDouble s = z / (DoubleDouble{2.0, 0.0} + z);
    const DoubleDouble square = s * s;
    DoubleDouble series = oddReciprocal(terms - 1);
    for (int k = terms - 2; k >= 0; --k) {
        series = series * square + oddReciprocal(k);
    }
    return s * series * 2.0;
}

constexpr DoubleDouble slowExp(DoubleDouble t, int terms) {
    DoubleDouble series = factorialReciprocal(terms - 1);
    for (int k = terms - 2; k >= 0; --k) {
        series = series * t + factorialReciprocal(k);
    }
    return series;
}

// ln m for m in [1, 2) as ln(m·r) − ln r, where r, of ten bits, is close to 1/m for the first
// seven bits of m's fraction: m·r is then within 2^-7.9 of 1, where the series is short.
constexpr int kLogTableBits = 7;
constexpr int kLogTableSize = 1 << kLogTableBits;
struct LogTableEntry {
    double reciprocal;         // r
    DoubleDouble negativeLog;  // −ln r
};
constexpr std::array<LogTableEntry, kLogTableSize> kLogTable = [] {
    std::array<LogTableEntry, kLogTableSize> table{};
    for (int i = 0; i < kLogTableSize; ++i) {
        const double centre = 1.0 + (i + 0.5) / kLogTableSize;
        // The first is 1, so that ln 1 comes out as exactly 0.
        const double reciprocal =
            i == 0 ? 1.0
                   : static_cast<double>(static_cast<long long>(1024.0 / centre + 0.5)) / 1024.0;
        // −ln r = ln(1/r) = ln(1 + z) with z = 1/r − 1 in [0.0, 1.0]: a long series.
        const DoubleDouble z =
            DoubleDouble{1.0, 0.0} / DoubleDouble{reciprocal, 0.0} - DoubleDouble{1.0, 0.0};
        table[i] = {reciprocal, slowLogOnePlus(z, 60)};
    }
    return table;
}();

// e^t for |t| ≤ ln2/128 as 2^(j/64) · e^u: the 64 powers 2^(j/64).
constexpr int kExpTableSize = 64;
constexpr std::array<DoubleDouble, kExpTableSize> kExpTable = [] {
    std::array<DoubleDouble, kExpTableSize> table{};
    for (int j = 0; j < kExpTableSize; ++j) {
        table[j] = slowExp(DoubleDouble{kLn2.hi, kLn2.lo} * (j / 64.0), 40);
    }
    return table;
}();

// 2^n as a double, for n in the normal range.
double powerOfTwo(int n) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52);
}

// x × 2^n, rounded once unless the result is subnormal.
double scaleByPowerOfTwo(double x, int n) {
    while (n > 1000) {
        x *= powerOfTwo(1000);
        n -= 1000;
    }
    while (n < -1000) {
        x *= powerOfTwo(-1000);
        n += 1000;
    }
    return x * powerOfTwo(n);
}

// n ln 2 · scale for a whole n of up to 20 bits: exact products of the three parts of ln 2.
DoubleDouble multipleOfLn2(double n, double scale) {
    return exact::twoProduct(kLn2.hi * scale, n) + exact::twoProduct(kLn2.lo * scale, n) +
           DoubleDouble{kLn2Third * scale * n, 0.0};
}

// ln x for a finite x > 0, to about 2^-104 relative.
DoubleDouble naturalLogarithm(double x) {
    int exponent = 0;
    if (x < 0x1p-1022) {  // subnormal: made normal first
        x *= 0x1p54;
        exponent -= 54;
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    exponent += static_cast<int>(bits >> 52) - 1023;
    const double mantissa =
        std::bit_cast<double>((bits & 0x000F'FFFF'FFFF'FFFFULL) | 0x3FF0'0000'0000'0000ULL);
    const LogTableEntry& entry = kLogTable[(bits >> (52 - kLogTableBits)) & (kLogTableSize - 1)];
    // z = m·r − 1, exact; |z| < 2^-7.
    const DoubleDouble product = exact::twoProduct(mantissa, entry.reciprocal);
    const DoubleDouble z = exact::quickTwoSum(product.hi - 1.0, product.lo);
    // ln(1 + z) = 2 atanh s, s = z/(2 + z), |s| < 2^-8: s + s³/3 + s⁵/5 carried in double-doubles,
    // the terms after them, below 2^-54 of the sum, in doubles.
    const DoubleDouble s = z / (DoubleDouble{2.0, 0.0} + z);
    const DoubleDouble square = s * s;
    const double q = square.hi;
    const double tail = q * (1.0 / 7 + q * (1.0 / 9 + q * (1.0 / 11 + q * (1.0 / 13))));
    DoubleDouble series = DoubleDouble{tail, 0.0} + kFifth;
    series = series * square + kThird;
    series = series * square + DoubleDouble{1.0, 0.0};
    const DoubleDouble logOnePlusZ = s * series * 2.0;
    return multipleOfLn2(exponent, 1.0) + entry.negativeLog + logOnePlusZ;
}

// e^r, rounded to a double.
double exponential(DoubleDouble r) {
    if (r.hi > 709.8) {
        return kInfinity;
    }
    if (r.hi < -745.2) {
        return 0.0;
    }
    // r = (64n + j)·ln2/64 + t with |t| ≤ ln2/128, then e^r = 2^n · 2^(j/64) · e^t.
    const double k = std::nearbyint(r.hi * (64.0 / kLn2.hi));
    const DoubleDouble t = r - multipleOfLn2(k, 1.0 / 64);
    const auto whole = static_cast<long>(k);
    const long n = whole >= 0 ? whole / 64 : -((-whole + 63) / 64);
    const auto j = static_cast<std::size_t>(whole - 64 * n);
    // t, t²/2 … t⁶/720 in double-doubles; the terms after them, below 2^-64, in doubles.
    const double u = t.hi;
    const double tail =
        u *
        (kFactorials[7] +
         u * (kFactorials[8] + u * (kFactorials[9] + u * (kFactorials[10] + u * kFactorials[11]))));
    DoubleDouble series = DoubleDouble{tail, 0.0} + kFactorialTable[6];
    for (int i = 5; i >= 0; --i) {
        series = series * t + kFactorialTable[i];
    }
    const DoubleDouble scaled = kExpTable[j] * series;
    return scaleByPowerOfTwo(scaled.hi + scaled.lo, static_cast<int>(n));
}

bool isOddWhole(double y) {
    return std::trunc(y) == y && std::fabs(y) < 0x1p53 && std::fmod(y, 2.0) != 0.0;
}

// |x|^n for a whole n with 1 ≤ n ≤ 64 by repeated squaring, when no step can overflow or lose
// bits to underflow; nothing otherwise.
bool wholePower(double x, int n, double& result) {
    const int exponent = std::ilogb(x);
    if (exponent * n > 900 || exponent * n < -900 || (exponent + 1) * n > 900 ||
        (exponent - 1) * n < -900) {
        return false;
    }
    DoubleDouble base{std::fabs(x), 0.0};
    DoubleDouble product{1.0, 0.0};
    for (int m = n;;) {
        if ((m & 1) != 0) {
            product = product * base;
        }
        m >>= 1;
        if (m == 0) {
            break;
        }
        base = base * base;
    }
    result = product.hi + product.lo;
    return true;
}

}  // namespace

double power(double base, double exponent) {
    if (exponent == 0.0 || base == 1.0) {
        return 1.0;
    }
    if (std::isnan(base) || std::isnan(exponent)) {
        return kNotANumber;
    }
    const bool whole = std::trunc(exponent) == exponent;
    if (base < 0.0 && !whole && std::isfinite(exponent)) {
        return kNotANumber;
    }
    const double sign = base < 0.0 && isOddWhole(exponent) ? -1.0 : 1.0;
    const double magnitude = std::fabs(base);
    if (magnitude == 0.0) {
        return exponent > 0.0 ? sign * 0.0 : sign * kInfinity;
    }
    if (std::isinf(magnitude) || std::isinf(exponent)) {
        // Only the size of the result is in question: 0 or ∞ (1 for |base| = 1).
        if (magnitude == 1.0) {
            return 1.0;
        }
        const bool large = (magnitude > 1.0) == (exponent > 0.0);
        return sign * (large ? kInfinity : 0.0);
    }
    if (exponent == 2.0) {
        return magnitude * magnitude;  // one rounding: correctly rounded as it stands
    }
    double result = 0.0;
    if (whole && exponent >= 1.0 && exponent <= 64.0 &&
        wholePower(magnitude, static_cast<int>(exponent), result)) {
        return sign * result;
    }
    return sign * exponential(naturalLogarithm(magnitude) * exponent);
}

double cubeRoot(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    const double magnitude =
        exponential(naturalLogarithm(std::fabs(value)) / DoubleDouble{3.0, 0.0});
    return value < 0.0 ? -magnitude : magnitude;
}

double binaryLogarithm(double value) {
    if (std::isnan(value) || value < 0.0) {
        return kNotANumber;
    }
    if (value == 0.0) {
        return -kInfinity;
    }
    if (std::isinf(value)) {
        return kInfinity;
    }
    const DoubleDouble quotient = naturalLogarithm(value) / kLn2;
    return quotient.hi + quotient.lo;
}

}  // namespace bithydraulics
