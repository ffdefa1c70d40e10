// Sweep ranges: how many values, each value exactly, and the ranges refused.
#include "cli/sweep.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cases/errors.h"
#include "cases/result_columns.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

std::vector<std::string> valueTexts(const SweepRange& range) {
    std::vector<std::string> texts;
    std::array<char, 32> buffer{};
    for (std::size_t i = 0; i < range.count(); ++i) {
        texts.emplace_back(cases::formatShortest(range.value(i), buffer));
    }
    return texts;
}

struct RangeCase {
    const char* name;
    const char* argument;
    std::vector<std::string> values;
};

// Test names and failure messages show the case by its name.
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class SweepRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SweepRangeTest, ValuesFromFromToToInclusive) {
    const SweepRange range = SweepRange::parse(GetParam().argument);
    EXPECT_EQ(valueTexts(range), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SweepRangeTest,
    ::testing::Values(
        RangeCase{"Whole", "flowRate=20:24:2", {"20", "22", "24"}},
        RangeCase{"TenthsReachTo", "flowRate=0:0.3:0.1", {"0", "0.1", "0.2", "0.3"}},
        RangeCase{"StepPastTo", "flowRate=1:2:0.4", {"1", "1.4", "1.8"}},
        RangeCase{"Downwards", "泵压=20:10:-2.5", {"20", "17.5", "15", "12.5", "10"}},
        RangeCase{"Negative", "flowRate=-0.2:0.2:0.1", {"-0.2", "-0.1", "0", "0.1", "0.2"}},
        RangeCase{"FromIsTo", "flowRate=5:5:1", {"5"}},
        RangeCase{"FromIsToStepNegative", "flowRate=5:5:-1", {"5"}},
        RangeCase{"Exponents", "flowRate=1e1:3e1:1e1", {"10", "20", "30"}},
        RangeCase{
            "SmallSteps", "mudDensity=1.2:1.2003:0.0001", {"1.2", "1.2001", "1.2002", "1.2003"}},
        RangeCase{"Large", "pipeLength=1e20:3e20:1e20", {"1e+20", "2e+20", "3e+20"}},
        RangeCase{"Blanks", "flowRate= 1 : 3 : 1 ", {"1", "2", "3"}},
        RangeCase{"OneValueOfAHugeFigure", "flowRate=1e22:1e22:2.5", {"1e+22"}},
        RangeCase{"OneValueWhereOneMoreStepIsLost", "pipeLength=1e16:1e16:1", {"1e+16"}},
        RangeCase{"AcrossTheWholeRange", "flowRate=-1e308:1e308:1e308", {"-1e+308", "0", "1e+308"}},
        RangeCase{"TinyFromToZero", "flowRate=-1e-30:0:1e300", {"-1e-30"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SweepRangeTest, NoDriftOverManySteps) {
    const SweepRange range = SweepRange::parse("flowRate=0:100:0.1");
    ASSERT_EQ(range.count(), 1001u);
    for (std::size_t i = 0; i < range.count(); ++i) {
        // Each value is the double nearest to i tenths, never a sum of steps.
        EXPECT_EQ(range.value(i), static_cast<double>(i) / 10) << i;
    }
    EXPECT_EQ(range.value(1000), 100.0);
}

TEST(SweepRangeTest, LongFiguresAreExactToo) {
    const SweepRange range = SweepRange::parse("flowRate=0.12345678901234567890:1:0.25");
    ASSERT_EQ(range.count(), 4u);
    EXPECT_EQ(range.value(3), 0.87345678901234567890);  // the literal, rounded once
}

TEST(SweepRangeTest, AtMostAMillionRows) {
    EXPECT_EQ(SweepRange::parse("flowRate=1:1000000:1").count(), 1'000'000u);
    EXPECT_EQ(SweepRange::parse("flowRate=0:99999.9:0.1").count(), 1'000'000u);
    EXPECT_THROW(SweepRange::parse("flowRate=0:1000000:1"), cases::UsageError);
    EXPECT_THROW(SweepRange::parse("flowRate=0:100000:0.1"), cases::UsageError);
    EXPECT_THROW(SweepRange::parse("flowRate=-1e308:1e308:1e300"), cases::UsageError);
}

TEST(SweepRangeTest, RefusesBadRanges) {
    struct Case {
        const char* argument;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {"flowRate=0:1:0", "STEP is 0"},
             {"flowRate=0:1:-0.5", "leads away from TO"},
             {"flowRate=1:0:0.5", "leads away from TO"},
             {"flowRate=0:1", "NAME=FROM:TO:STEP"},
             {"flowRate=0:1:1:1", "NAME=FROM:TO:STEP"},
             {"flowRate=a:1:1", "FROM 'a' is not a plain figure"},
             {"flowRate=0:1L/s:1", "TO '1L/s' is not a plain figure"},
             {"flowRate=0:1:", "STEP '' is not a plain figure"},
             {"flowRate=0:1e999:1", "beyond the range of a double"},
             {"flowRate=1e-30:0:1e300", "leads away from TO"},
             {"pipeLength=1e16:10000000000000010:1", "too small to change the value"},
             {"pipeLength=1e22:10000000000000000000300:30", "too small to change the value"},
             {"flowrate=0:1:1", "unknown input name 'flowrate'"},
             {"0:1:1", "expected NAME=TEXT"},
         }) {
        try {
            SweepRange::parse(c.argument);
            ADD_FAILURE() << c.argument << " was accepted";
        } catch (const cases::UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(SweepTest, RowsCarryTheSweptInputThenTheFixedOnes) {
    const CliOutcome outcome = runCliWith({"sweep", "排量=30:32:1", "mudDensity=1.2", "泵压=0"});
    EXPECT_EQ(outcome.status, 1);
    const std::vector<std::string> lines = cases::linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("排量,mudDensity,泵压,bitPressureDrop,", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1], "30,1.2,0,,,,,,,,,,division_by_zero,powerUtilization");
    EXPECT_EQ(lines[3].rfind("32,1.2,0,", 0), 0u);
}

TEST(SweepTest, ValuesAreWhatOneCaseGives) {
    const CliOutcome sweep = runCliWith({"sweep", "flowRate=31.5:32:0.5", "--format", "jsonl"});
    const CliOutcome single = runCliWith({"flowRate=32", "--format", "json"});
    ASSERT_EQ(sweep.status, 0);
    const std::vector<std::string> lines = cases::linesOf(sweep.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("\"flowRate\":\"32\",\"bitPressureDrop\":\"4.77\""), std::string::npos);
    EXPECT_NE(single.out.find("\"bitPressureDrop\": \"4.77\""), std::string::npos);
}

TEST(SweepTest, StrictChecksTheFixedInputs) {
    const CliOutcome outcome = runCliWith({"sweep", "--strict", "flowRate=30:31:1", "泵压=13MPa"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find(",invalid_text,pumpPressure\n31,"), std::string::npos);
}

TEST(SweepTest, SweptInputGivenAgainIsAnError) {
    const CliOutcome outcome = runCliWith({"sweep", "flowRate=30:31:1", "排量=3"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "bit-hydraulics-cli: error: input 'flowRate' is given twice (as "
              "'flowRate' and '排量')\n");
    EXPECT_EQ(outcome.out, "");
}

}  // namespace
}  // namespace bithydraulics::cli
