#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>

#include "calc/field_text.h"
#include "platform/number_format.h"

namespace bithydraulics {
namespace {

struct FormatCase {
    std::string name;
    double value;
    std::string fixed;    // under "###0.00"
    std::string percent;  // under "###0.00%"
    // Test listings show the row name rather than its bytes.
    friend void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }
};

class DisplayText : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayText, MatchesBothPatterns) {
    EXPECT_EQ(formatFixed2(GetParam().value), GetParam().fixed);
    EXPECT_EQ(formatPercent2(GetParam().value), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayText,
    testing::Values(FormatCase{"Zero", 0.0, "0.00", "0.00%"},
                    FormatCase{"NegativeZero", -0.0, "0.00", "0.00%"},
                    FormatCase{"Hundred", 100.0, "100.00", "10000.00%"},
                    FormatCase{"One", 1.0, "1.00", "100.00%"},
                    FormatCase{"BelowHalfHundredth", 0.004, "0.00", "0.40%"},
                    FormatCase{"NegativeOneAndHalf", -1.5, "-1.50", "-150.00%"},
                    FormatCase{"BitPressureDrop", 4.195132, "4.20", "419.51%"},
                    FormatCase{"Hundredth", 0.0125, "0.01", "1.25%"},
                    FormatCase{"Power", 125.853972, "125.85", "12585.40%"},
                    FormatCase{"Thousands", 2856.198924, "2856.20", "285619.89%"},
                    FormatCase{"Utilisation", 0.322702, "0.32", "32.27%"},
                    // Halves go away from zero, judged on the 15-digit decimal
                    FormatCase{"HalfOfAnEighth", 0.125, "0.13", "12.50%"},
                    FormatCase{"TwoSixSevenFive", 2.675, "2.68", "267.50%"},
                    FormatCase{"OnePointZeroZeroFive", 1.005, "1.01", "100.50%"},
                    FormatCase{"NegativeHalf", -0.125, "-0.13", "-12.50%"},
                    FormatCase{"PercentHalf", 0.00125, "0.00", "0.13%"},
                    FormatCase{"HalfHundredthRoundsUp", 0.005, "0.01", "0.50%"},
                    FormatCase{"CarryIntoNewDigit", 999.995, "1000.00", "99999.50%"},
                    FormatCase{"CarryFromNines", 9.999, "10.00", "999.90%"},
                    // Minus sign kept when the figure rounds to zero
                    FormatCase{"TinyNegative", -0.001, "-0.00", "-0.10%"},
                    FormatCase{"VeryTinyNegative", -1e-300, "-0.00", "-0.00%"},
                    FormatCase{"VeryTinyPositive", 1e-300, "0.00", "0.00%"},
                    // Beyond 15 significant digits the figure keeps its magnitude with zeros
                    FormatCase{"HugeValue", 1.2345678901234567e20, "123456789012346000000.00",
                               "12345678901234600000000.00%"},
                    FormatCase{"FifteenDigits", 1234567890123.45, "1234567890123.45",
                               "123456789012345.00%"},
                    FormatCase{"SixteenDigits", 12345678901234.56, "12345678901234.60",
                               "1234567890123460.00%"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(DisplayTextRange, LargestDoubleShowsEveryIntegerDigit) {
    const std::string text = formatFixed2(1.7976931348623157e308);
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 15), "179769313486232");
    EXPECT_EQ(text.substr(15, 294), std::string(294, '0'));
    EXPECT_EQ(text.substr(309), ".00");
}

TEST(NumberPatternShape, ReadsDigitsPointAndPercent) {
    constexpr NumberPattern fixed = parseNumberPattern("###0.00");
    EXPECT_EQ(fixed.minIntegerDigits, 1);
    EXPECT_EQ(fixed.decimals, 2);
    EXPECT_FALSE(fixed.percent);
    EXPECT_EQ(formatNumber(3.14159, parseNumberPattern("000.000")), "003.142");
    EXPECT_EQ(formatNumber(0.5, parseNumberPattern("#.0%")), "50.0%");
}

// The digits every display text starts from must be the correctly rounded 15 significant digits,
// which the standard library's fixed-precision conversion gives by another road.
std::string libraryDigits(double magnitude, int& exponent) {
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, magnitude,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string s(text, end);
    exponent = std::stoi(s.substr(s.find('e') + 1));
    return s.substr(0, 1) + s.substr(2, kSignificantDigits - 1);
}

void expectLibraryDigits(double magnitude) {
    const DecimalFigure figure = toDecimalFigure(magnitude);
    int exponent = 0;
    const std::string expected = libraryDigits(magnitude, exponent);
    ASSERT_EQ(std::string(figure.digits.begin(), figure.digits.end()), expected)
        << std::hexfloat << magnitude;
    ASSERT_EQ(figure.exponent, exponent) << std::hexfloat << magnitude;
}

TEST(SignificantDigits, AgreeWithLibraryAtBoundaries) {
    for (int p = -8; p <= 18; ++p) {
        const double power = std::pow(10.0, p);
        for (double x : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300),
                         power * 9.999999999999995, power * 9.9999999999999995, power * 0.5,
                         power * 1.000000000000005, power * 1.2345678901234567}) {
            expectLibraryDigits(x);
        }
    }
    // Exact halves at the sixteenth digit and values that are whole numbers.
    for (double x : {1125899906842624.5, 562949953421312.25, 999999999999999.5, 123456.0, 0.125,
                     2.675, 1.005, 4.195132, 1e-5, 9.99999999999999e14}) {
        expectLibraryDigits(x);
    }
}

TEST(SignificantDigits, AgreeWithLibraryForRandomMagnitudes) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-12.0, 20.0);
    std::uniform_int_distribution<std::uint64_t> bits(0x0010000000000000u, 0x7FEFFFFFFFFFFFFFu);
    for (int i = 0; i < 200000; ++i) {
        expectLibraryDigits(std::pow(10.0, exponent(random)));
        expectLibraryDigits(std::bit_cast<double>(bits(random)));
    }
}

// An independent road to the display text: the library's 15-digit conversion, then decimal
// rounding of the digit string by hand.
std::string referenceDisplay(double value, bool percent) {
    int exponent = 0;
    std::string digits =
        value == 0.0 ? std::string(15, '0') : libraryDigits(std::fabs(value), exponent);
    exponent += percent && value != 0.0 ? 2 : 0;
    const int integerDigits = exponent + 1;
    std::string integerPart = "0";
    std::string fraction;
    if (integerDigits <= 0) {
        fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (integerDigits >= 15) {
        integerPart = digits + std::string(static_cast<std::size_t>(integerDigits - 15), '0');
    } else {
        integerPart = digits.substr(0, static_cast<std::size_t>(integerDigits));
        fraction = digits.substr(static_cast<std::size_t>(integerDigits));
    }
    fraction += "000";
    std::string hundredths = integerPart + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        std::size_t i = hundredths.size();
        while (i > 0 && hundredths[i - 1] == '9') {
            hundredths[--i] = '0';
        }
        if (i == 0) {
            hundredths.insert(hundredths.begin(), '1');
        } else {
            ++hundredths[i - 1];
        }
    }
    while (hundredths.size() > 3 && hundredths.front() == '0') {
        hundredths.erase(hundredths.begin());
    }
    const std::size_t point = hundredths.size() - 2;
    std::string text = value < 0.0 ? "-" : "";
    text.append(hundredths, 0, point).append(".").append(hundredths, point);
    return percent ? text + "%" : text;
}

TEST(DisplayTextReference, AgreesForRandomValuesAndTies) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-8.0, 19.0);
    std::uniform_int_distribution<std::int64_t> thousandths(-100'000'000, 100'000'000);
    for (int i = 0; i < 100000; ++i) {
        const double sign = (i % 3 == 0) ? -1.0 : 1.0;
        const double wide = sign * std::pow(10.0, exponent(random));
        const double nearTie = static_cast<double>(thousandths(random)) / 1000.0;
        for (double value : {wide, nearTie, nearTie / 100.0}) {
            ASSERT_EQ(formatFixed2(value), referenceDisplay(value, false)) << value;
            ASSERT_EQ(formatPercent2(value), referenceDisplay(value, true)) << value;
        }
    }
}

}  // namespace
}  // namespace bithydraulics
