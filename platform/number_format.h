#pragma once

#include <array>
#include <string>
#include <string_view>

namespace bithydraulics {

// A display pattern for fixed figures: "#" and "0" before the point (a "0" is an integer digit
// always shown), "0" digits after it, and an optional trailing "%" that scales the value by 100.
// "###0.00" and "###0.00%" are the two the program uses.
struct NumberPattern {
    int minIntegerDigits = 1;
    int decimals = 0;
    bool percent = false;
};

constexpr NumberPattern parseNumberPattern(std::string_view pattern) {
    NumberPattern result{0, 0, false};
    bool afterPoint = false;
    for (const char c : pattern) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == '%') {
            result.percent = true;
        } else if (afterPoint && (c == '0' || c == '#')) {
            ++result.decimals;
        } else if (c == '0') {
            ++result.minIntegerDigits;
        }
    }
    return result;
}

inline constexpr int kSignificantDigits = 15;

// A magnitude as 15 significant decimal digits, correctly rounded, and the power of ten of the
// first: 4.195132 is {"419513200000000", 0}. Zero is all zeros with exponent 0.
struct DecimalFigure {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;
};

// `magnitude` must be finite and not negative.
DecimalFigure toDecimalFigure(double magnitude);

// Formats `value` under `pattern`: |value| is first taken to 15 significant decimal digits
// (correctly rounded), then brought to the pattern's decimals with a half rounded away from zero.
// A minus sign stands whenever value < 0, even if the figure rounds to zero; no digit grouping;
// "." is the decimal point. `value` must be finite.
std::string formatNumber(double value, const NumberPattern& pattern);

}  // namespace bithydraulics
