#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <ostream>
#include <random>
#include <string>

#include "calc/field_text.h"
#include "platform/calculation_fault.h"
#include "platform/number_reading.h"

namespace bithydraulics {
namespace {

struct ParseCase {
    std::string name;
    std::string text;
    double expected;
    // Test listings show the row name rather than its bytes.
    friend void PrintTo(const ParseCase& row, std::ostream* out) { *out << row.name; }
};

class ParseFieldNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseFieldNumber, ReadsLeadingFigure) {
    const double value = parseFieldNumber(GetParam().text);
    EXPECT_EQ(value, GetParam().expected) << "text: \"" << GetParam().text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFieldNumber,
    testing::Values(
        // Plain figures
        ParseCase{"Decimal", "1.2", 1.2}, ParseCase{"Zero", "0", 0.0}, ParseCase{"Empty", "", 0.0},
        ParseCase{"Integer", "1820", 1820.0}, ParseCase{"Negative", "-1.5", -1.5},
        ParseCase{"PlusSign", "+7", 7.0}, ParseCase{"LeadingPoint", ".5", 0.5},
        ParseCase{"TrailingPoint", "5.", 5.0}, ParseCase{"NegativeZero", "-0", -0.0},
        ParseCase{"CorrectlyRounded", "0.1", 0.1},
        ParseCase{"ManyDigits", "3.14159265358979323846264338327950288", 3.141592653589793},
        // Blanks wherever they stand
        ParseCase{"LeadingBlanks", "  30", 30.0}, ParseCase{"InnerBlank", "1 820", 1820.0},
        ParseCase{"BlankAfterSign", "- 3", -3.0},
        ParseCase{"IdeographicSpace",
                  "\u3000"
                  "42",
                  42.0},
        ParseCase{"TrailingBlanks", "13   ", 13.0},
        // Tabs and line breaks separate pasted cells: skipped before a figure, its end after
        ParseCase{"LeadingTabAndLineBreak", "\t\r\n30", 30.0},
        ParseCase{"TabEndsFigure", "32\t1.3", 32.0},
        ParseCase{"LineBreakEndsFigure", "32\n40", 32.0},
        ParseCase{"CrLfEndsLongFigure", "3.14159265358979\r\n2", 3.14159265358979},
        ParseCase{"TabInsideExponent", "1e\t5", 1.0}, ParseCase{"TabAfterSign", "-\t3", 0.0},
        // Full-width forms
        ParseCase{"FullWidthDigits", "\uFF11\uFF15", 15.0},
        ParseCase{"FullWidthPointAndMinus", "\uFF0D\uFF11\uFF0E\uFF15", -1.5},
        ParseCase{"FullWidthPlus", "\uFF0B\uFF12", 2.0},
        ParseCase{"IdeographicFullStop",
                  "1\u3002"
                  "3",
                  1.3},
        ParseCase{"FullWidthExponent", "\uFF11\uFF25\uFF13", 1000.0},
        ParseCase{"FullWidthSmallExponent",
                  "2\uFF45"
                  "2",
                  200.0},
        // Exponents
        ParseCase{"UpperE", "1E3", 1000.0}, ParseCase{"LowerE", "1.5e-2", 0.015},
        ParseCase{"LetterD", "2D2", 200.0}, ParseCase{"LetterSmallD", "2d+2", 200.0},
        ParseCase{"ExponentWithoutDigits", "1e", 1.0},
        ParseCase{"ExponentSignWithoutDigits", "1e+", 1.0},
        ParseCase{"ExponentThenText", "4e2x", 400.0},
        // Stops at the first character that cannot continue the figure
        ParseCase{"Unit", "15mm", 15.0}, ParseCase{"UnitAfterBlank", "216 mm", 216.0},
        ParseCase{"Comma", "1,5", 1.0}, ParseCase{"SecondPoint", "1.2.3", 1.2},
        ParseCase{"SecondSign", "3-2", 3.0}, ParseCase{"FullWidthComma", "7\uFF0C5", 7.0},
        // No figure at the start
        ParseCase{"Letters", "abc", 0.0}, ParseCase{"SignOnly", "-", 0.0},
        ParseCase{"PointOnly", ".", 0.0}, ParseCase{"HexPrefix", "&H10", 0.0},
        ParseCase{"ChineseText", "十五", 0.0}, ParseCase{"ExponentOnly", "e5", 0.0},
        ParseCase{"NulByte",
                  std::string("\0"
                              "5",
                              2),
                  0.0},
        ParseCase{"TruncatedUtf8", "\xEF\xBC", 0.0},
        // Range
        ParseCase{"Underflow", "1e-400", 0.0}, ParseCase{"NegativeUnderflow", "-1e-400", -0.0},
        ParseCase{"TinyMantissaHugeExponent", "0.0000001e-320", 0.0},
        ParseCase{"ZeroWithHugeExponent", "0e99999", 0.0},
        ParseCase{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        ParseCase{"Subnormal", "5e-324", 5e-324}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(ParseFieldNumberRange, FigureBeyondDoubleIsOverflow) {
    for (const char* text :
         {"1e400", "-1e400", "1e99999999999999999999", "2e308", "100000000000000000000e300"}) {
        try {
            parseFieldNumber(text);
            ADD_FAILURE() << "no fault for " << text;
        } catch (const CalculationFault& fault) {
            EXPECT_EQ(fault.kind(), FaultKind::Overflow) << text;
        }
    }
}

TEST(ParseFieldNumberRange, LocaleDoesNotChangeThePoint) {
    // A locale whose decimal point is a comma: de_DE.UTF-8 as Linux names it (scripts/install-deps
    // installs it), de-DE as Windows does.
    struct Locale {
        const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr
                              ? std::setlocale(LC_ALL, nullptr)
                              : std::setlocale(LC_ALL, "de-DE");
        ~Locale() { std::setlocale(LC_ALL, "C"); }
    } locale;
    if (locale.set == nullptr) {
        GTEST_SKIP() << "no German locale to switch to: on Linux run scripts/install-deps";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(parseFieldNumber("1.25"), 1.25);
    EXPECT_EQ(parseFieldNumber("-2.5e1"), -25);
}

// Plain decimals of every length and point position read exactly as the standard library's
// correctly rounded conversion reads them.
TEST(ParseFieldNumberRange, PlainDecimalsMatchLibraryConversion) {
    std::mt19937_64 random(3);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 20);
    for (int i = 0; i < 100000; ++i) {
        std::string text = i % 2 == 0 ? "" : "-";
        const int digits = length(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int d = 0; d < digits; ++d) {
            if (d == point) {
                text += '.';
            }
            text += static_cast<char>('0' + digit(random));
        }
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(parseFieldNumber(text), expected) << text;
    }
}

// The reading that also says whether it took the whole text: the same figure as the lenient
// reading, and "whole" exactly when nothing but blanks follows what it read.
TEST(ReadFigure, TellsWhetherTheWholeTextWasRead) {
    for (const char* text :
         {"15", " 30 ", "1 820", "1.2\u3000", "\t13\n", "", "  ", "1e3", "5.", "\uFF11\uFF15",
          "1\u3002"
          "3"}) {
        EXPECT_TRUE(readFigure(text).whole) << text;
    }
    for (const char* text :
         {"1,820", "15mm", "abc", "-", ".", "1e", "4e2x", "32\t1.3", "32\n40", "1.2.3", "十五"}) {
        EXPECT_FALSE(readFigure(text).whole) << text;
    }
}

TEST(ReadFigure, ReadsTheSameFigureAsTheLenientReading) {
    // Texts made of the characters that matter to a figure, blanks and separators among them.
    const std::string pieces[] = {"1", "7",      "0",      ".",      "-",      "+",
                                  "e", "D",      " ",      "\t",     "\n",     "x",
                                  ",", "\u3000", "\u3002", "\uFF11", "\uFF0E", "mm"};
    std::mt19937_64 random(11);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 9);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[piece(random)];
        }
        double value = 0;
        try {
            value = parseFieldNumber(text);
        } catch (const CalculationFault&) {
            ASSERT_THROW(readFigure(text), CalculationFault) << text;
            continue;
        }
        const FigureReading reading = readFigure(text);
        ASSERT_EQ(reading.value, value) << text;
        ASSERT_EQ(std::signbit(reading.value), std::signbit(value)) << text;
        // Appending a letter to a text read whole leaves the figure and makes it partial.
        if (reading.whole) {
            const FigureReading longer = readFigure(text + "q");
            ASSERT_EQ(longer.value, value) << text;
            ASSERT_FALSE(longer.whole) << text;
        }
    }
}

}  // namespace
}  // namespace bithydraulics
