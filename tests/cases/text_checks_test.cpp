// The small text rules: plain figures for --strict and sweeps, UTF-8 validity, terminal widths.
#include <gtest/gtest.h>

#include <string>

#include "cases/plain_figure.h"
#include "cases/text.h"
#include "cases/text_table.h"

namespace bithydraulics::cases {
namespace {

struct FigureCase {
    const char* name;
    const char* text;
    bool plain;
};

// Test names and failure messages show the case by its name.
void PrintTo(const FigureCase& c, std::ostream* os) {
    *os << c.name;
}

class PlainFigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(PlainFigureTest, AcceptsOnlyOneFigure) {
    EXPECT_EQ(isPlainFigure(GetParam().text), GetParam().plain) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainFigureTest,
    ::testing::Values(
        FigureCase{"Integer", "12", true}, FigureCase{"Negative", "-0.5", true},
        FigureCase{"PlusSign", "+7", true}, FigureCase{"LeadingPoint", ".5", true},
        FigureCase{"TrailingPoint", "3.", true}, FigureCase{"Exponent", "+1e-3", true},
        FigureCase{"CapitalExponent", "2E+10", true}, FigureCase{"BlanksAround", " \t32 \t", true},
        FigureCase{"HugeStillPlain", "1e999", true}, FigureCase{"Empty", "", false},
        FigureCase{"OnlyBlanks", "  ", false}, FigureCase{"Unit", "15mm", false},
        FigureCase{"Comma", "1,5", false}, FigureCase{"BlankInside", "1 000", false},
        FigureCase{"Hex", "0x10", false}, FigureCase{"DExponent", "1d3", false},
        FigureCase{"FullWidth", "１５", false}, FigureCase{"BareExponent", "1e", false},
        FigureCase{"ExponentSignOnly", "1e+", false}, FigureCase{"PointOnly", ".", false},
        FigureCase{"SignOnly", "-", false}, FigureCase{"TwoSigns", "--1", false},
        FigureCase{"TwoPoints", "1.2.3", false}, FigureCase{"LineBreakAfter", "1\n", false},
        FigureCase{"Infinity", "inf", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlainFigureTest, SplitsIntoParts) {
    const auto figure = parsePlainFigure(" -12.50e-3 ");
    ASSERT_TRUE(figure);
    EXPECT_TRUE(figure->negative);
    EXPECT_EQ(figure->integerDigits, "12");
    EXPECT_EQ(figure->fractionDigits, "50");
    EXPECT_TRUE(figure->exponentNegative);
    EXPECT_EQ(figure->exponentDigits, "3");
}

struct Utf8Case {
    const char* name;
    std::string text;
    std::size_t invalidAt;  // npos when valid
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, FindsTheFirstBadByte) {
    EXPECT_EQ(findInvalidUtf8(GetParam().text), GetParam().invalidAt);
}

constexpr std::size_t kValid = std::string::npos;

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Test,
    ::testing::Values(Utf8Case{"Ascii", "plain ascii text, longer than eight", kValid},
                      Utf8Case{"Chinese", "排量32L/s", kValid},
                      Utf8Case{"FourBytes", "x\xF0\x9F\x98\x80y", kValid},
                      Utf8Case{"LargestCodePoint", "\xF4\x8F\xBF\xBF", kValid},
                      Utf8Case{"StrayContinuation", "abc\x80", 3}, Utf8Case{"BadLead", "\xFF", 0},
                      Utf8Case{"OverlongTwoBytes", "ok\xC1\xBF", 2},
                      Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", 0},
                      Utf8Case{"Surrogate", "0123456789\xED\xA0\x80", 10},
                      Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", 0},
                      Utf8Case{"Truncated", "abcdefgh\xE6\x8E", 8},
                      Utf8Case{"MissingContinuation",
                               "\xE6"
                               "a"
                               "\x8E",
                               0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayWidthTest, CountsWideCharactersTwice) {
    EXPECT_EQ(displayWidth("flowRate"), 8u);
    EXPECT_EQ(displayWidth("排量"), 4u);
    EXPECT_EQ(displayWidth("1#喷嘴直径"), 10u);
    EXPECT_EQ(displayWidth("g/cm³"), 5u);
    EXPECT_EQ(displayWidth("１５"), 4u);
    EXPECT_EQ(displayWidth("e\xCC\x81"), 1u);  // e and a combining acute accent
}

}  // namespace
}  // namespace bithydraulics::cases
