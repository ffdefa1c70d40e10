#include "platform/number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace bithydraulics {
namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// Rounds |value| × 10^scale to a whole number, half to even, exactly: value = mantissa × 2^-shift
// with 0 < shift < 128. False if the product does not fit the arithmetic.
bool roundScaled(std::uint64_t mantissa, int shift, int scale, std::uint64_t& truncated,
                 std::uint64_t& rounded) {
    if (scale < 0 || scale >= static_cast<int>(kPowersOfTen.size()) || shift <= 0 || shift >= 100) {
        return false;
    }
    const Uint128 product = static_cast<Uint128>(mantissa) * kPowersOfTen[scale];
    const Uint128 whole = product >> shift;
    const Uint128 remainder = product - (whole << shift);
    const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
    const bool up = remainder > half || (remainder == half && (whole & 1) != 0);
    if (whole > UINT64_MAX / 2) {
        return false;
    }
    truncated = static_cast<std::uint64_t>(whole);
    rounded = truncated + (up ? 1 : 0);
    return true;
}

// Writes the 15 digits of a whole number below 10^15, two at a time, in two independent halves.
void writeFifteenDigits(std::uint64_t number, char* out) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    auto high = static_cast<std::uint32_t>(number / 100'000'000);  // seven digits
    auto low = static_cast<std::uint32_t>(number % 100'000'000);   // eight digits
    for (int i = 6; i >= 0; i -= 2) {
        const std::uint32_t pair = low % 100;
        low /= 100;
        out[7 + i] = kPairs[2 * pair];
        out[8 + i] = kPairs[2 * pair + 1];
    }
    for (int i = 5; i >= 1; i -= 2) {
        const std::uint32_t pair = high % 100;
        high /= 100;
        out[i] = kPairs[2 * pair];
        out[i + 1] = kPairs[2 * pair + 1];
    }
    out[0] = static_cast<char>('0' + high);
}

// 15 significant digits as a whole number in [10^14, 10^15) and the power of ten of the first.
struct FifteenDigits {
    std::uint64_t number = 0;
    int exponent = 0;
};

// The quick road for ordinary magnitudes, exact integer arithmetic on the double's bits; it
// gives the same digits as the library's fixed-precision conversion, which stays for the rest.
bool fifteenDigitsExactly(double magnitude, FifteenDigits& digits) {
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return false;
    }
    // A normal double: magnitude = mantissa × 2^-shift.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>(bits >> 52);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biasedExponent;
    // floor(log10) from the binary exponent (log10(2) ≈ 78913 / 2^18) is the power of ten or one
    // below it; one comparison settles most cases and the loop settles the rest.
    int exponent = ((biasedExponent - 1023) * 78913) >> 18;
    if (exponent + 1 < static_cast<int>(kPowersOfTen.size()) && exponent + 1 >= 0 &&
        magnitude >= static_cast<double>(kPowersOfTen[static_cast<std::size_t>(exponent + 1)])) {
        ++exponent;
    }
    constexpr std::uint64_t kLowest = 100'000'000'000'000;  // 10^14
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::uint64_t truncated = 0;
        std::uint64_t rounded = 0;
        if (!roundScaled(mantissa, shift, kSignificantDigits - 1 - exponent, truncated, rounded)) {
            return false;
        }
        if (truncated < kLowest) {
            --exponent;
            continue;
        }
        if (rounded > 10 * kLowest) {
            ++exponent;
            continue;
        }
        if (rounded == 10 * kLowest) {  // 9.99…95 rounded up to a new first digit
            rounded = kLowest;
            ++exponent;
        }
        digits = {rounded, exponent};
        return true;
    }
    return false;
}

// The display text straight from the 15-digit whole number, when every shown digit lies among
// the 15: drop the digits past the last decimal, rounding a half away from zero, and print the
// rest. False where the general road must be taken.
bool formatShortly(double value, const NumberPattern& pattern, std::string& text) {
    FifteenDigits digits;
    if (pattern.decimals > 15 || pattern.minIntegerDigits > 15 ||
        !fifteenDigitsExactly(std::fabs(value), digits)) {
        return false;
    }
    const int shownExponent = digits.exponent + (pattern.percent ? 2 : 0);
    const int dropped = kSignificantDigits - 1 - shownExponent - pattern.decimals;
    if (dropped < 0 || dropped > kSignificantDigits) {
        return false;
    }
    std::uint64_t shown = digits.number;
    if (dropped > 0) {
        const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(dropped)];
        shown = (shown + unit / 2) / unit;
    }
    std::array<char, 24> number{};
    const char* end = std::to_chars(number.data(), number.data() + number.size(), shown).ptr;
    auto length = static_cast<std::size_t>(end - number.data());
    if (shown == 0) {
        length = 0;  // no significant digit survives: all of it is padding
    }

    const auto decimals = static_cast<std::size_t>(pattern.decimals);
    const std::size_t wanted = static_cast<std::size_t>(pattern.minIntegerDigits) + decimals;
    const std::size_t padding = length < wanted ? wanted - length : 0;
    const std::size_t integerLength = padding + length - decimals;
    std::array<char, 48> out{};
    char* o = out.data();
    if (value < 0.0) {
        *o++ = '-';
    }
    // Padding zeros, then the digits, with the point before the last `decimals` of them.
    for (std::size_t i = 0; i < padding + length; ++i) {
        if (i == integerLength) {
            *o++ = '.';
        }
        *o++ = i < padding ? '0' : number[i - padding];
    }
    if (pattern.percent) {
        *o++ = '%';
    }
    text.assign(out.data(), o);
    return true;
}

}  // namespace

DecimalFigure toDecimalFigure(double magnitude) {
    DecimalFigure figure;
    if (magnitude == 0.0) {
        figure.digits.fill('0');
        return figure;
    }
    if (FifteenDigits digits; fifteenDigitsExactly(magnitude, digits)) {
        writeFifteenDigits(digits.number, figure.digits.data());
        figure.exponent = digits.exponent;
        return figure;
    }
    // d.dddddddddddddde±XX
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = text.data();
    figure.digits[0] = *p++;
    ++p;  // the point
    for (int i = 1; i < kSignificantDigits; ++i) {
        figure.digits[i] = *p++;
    }
    ++p;  // the 'e'
    if (*p == '+') {
        ++p;  // from_chars takes no plus sign
    }
    std::from_chars(p, result.ptr, figure.exponent);
    return figure;
}

std::string formatNumber(double value, const NumberPattern& pattern) {
    if (std::string text; value != 0.0 && formatShortly(value, pattern, text)) {
        return text;
    }
    DecimalFigure figure = toDecimalFigure(std::fabs(value));
    if (pattern.percent) {
        figure.exponent += 2;
    }

    // The shown digits run from the first significant one down to the last decimal: `kept` of
    // them, the 15 significant ones and then zeros. A place in front takes a carry that adds a
    // digit (9.999 → 10.00).
    const int kept = value == 0.0 ? -1 : figure.exponent + 1 + pattern.decimals;
    std::array<char, kSignificantDigits + 1> significant{};
    significant.fill('0');
    const int copied = std::clamp(kept, 0, kSignificantDigits);
    std::copy_n(figure.digits.data(), copied, significant.data() + 1);
    if (kept >= 0 && kept < kSignificantDigits && figure.digits[kept] >= '5') {
        int i = kept;
        for (; i > 0 && significant[i] == '9'; --i) {
            significant[i] = '0';
        }
        ++significant[i];
    }
    const bool carried = significant[0] != '0';
    const char* first = significant.data() + (carried ? 0 : 1);
    const std::size_t nonZero = static_cast<std::size_t>(copied) + (carried ? 1 : 0);
    const std::size_t zeros = static_cast<std::size_t>(std::max(kept - kSignificantDigits, 0));

    // Leading zeros give the integer part its minimum digits and fill every decimal place:
    // 0.05 has the one digit "5".
    const auto decimals = static_cast<std::size_t>(pattern.decimals);
    const std::size_t wanted = static_cast<std::size_t>(pattern.minIntegerDigits) + decimals;
    const std::size_t length = nonZero + zeros;
    const std::size_t padding = length < wanted ? wanted - length : 0;
    const std::size_t total = padding + length;
    const std::size_t integerLength = total - decimals;

    const std::size_t size =
        total + (value < 0.0 ? 1 : 0) + (decimals > 0 ? 1 : 0) + (pattern.percent ? 1 : 0);
    std::string text(size, '0');
    char* out = text.data();
    if (value < 0.0) {
        *out++ = '-';
    }
    for (std::size_t i = 0; i < total; ++i) {
        if (i == integerLength) {
            *out++ = '.';
        }
        const std::size_t digit = i - padding;  // wraps for the padding, which is all zeros
        *out++ = i >= padding && digit < nonZero ? first[digit] : '0';
    }
    if (pattern.percent) {
        *out++ = '%';
    }
    return text;
}

}  // namespace bithydraulics
