#include "platform/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <algorithm>

namespace bithydraulics {
namespace {

constexpr int kSignificantDigits = 15;

// |value| as 15 significant decimal digits and the power of ten of the first one.
struct DecimalFigure {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;
};

DecimalFigure toDecimalFigure(double magnitude) {
    DecimalFigure figure;
    if (magnitude == 0.0) {
        figure.digits.fill('0');
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

}  // namespace

std::string formatNumber(double value, const NumberPattern& pattern) {
    DecimalFigure figure = toDecimalFigure(std::fabs(value));
    if (pattern.percent) {
        figure.exponent += 2;
    }

    // Digits from the first significant one down to the last shown decimal.
    const int kept = figure.exponent + 1 + pattern.decimals;
    std::string digits;
    if (value != 0.0 && kept >= 0) {
        digits.assign(figure.digits.data(), std::min(kept, kSignificantDigits));
        digits.append(static_cast<std::size_t>(std::max(0, kept - kSignificantDigits)), '0');
        if (kept < kSignificantDigits && figure.digits[kept] >= '5') {
            int i = kept - 1;
            for (; i >= 0 && digits[i] == '9'; --i) {
                digits[i] = '0';
            }
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.insert(digits.begin(), '1');
            }
        }
    }

    // Pad so the integer part has at least its minimum digits.
    const int wanted = pattern.minIntegerDigits + pattern.decimals;
    if (static_cast<int>(digits.size()) < wanted) {
        digits.insert(0, static_cast<std::size_t>(wanted) - digits.size(), '0');
    }

    std::string text;
    text.reserve(digits.size() + 3);
    if (value < 0.0) {
        text.push_back('-');
    }
    const std::size_t pointAt = digits.size() - static_cast<std::size_t>(pattern.decimals);
    text.append(digits, 0, pointAt);
    if (pattern.decimals > 0) {
        text.push_back('.');
        text.append(digits, pointAt, std::string::npos);
    }
    if (pattern.percent) {
        text.push_back('%');
    }
    return text;
}

}  // namespace bithydraulics
