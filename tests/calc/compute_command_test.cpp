#include "calc/compute_command.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "calc/quantities.h"

namespace bithydraulics {
namespace {

std::array<std::string, kFieldCount> snapshot(const InMemoryFieldArray& fields) {
    std::array<std::string, kFieldCount> texts;
    for (int i = 0; i < kFieldCount; ++i) {
        texts[static_cast<std::size_t>(i)] = fields.text(i);
    }
    return texts;
}

// Records every write, so a test can see that nothing is written on a fault.
class RecordingFieldArray : public InMemoryFieldArray {
  public:
    void replaceText(int index, std::string_view text) override {
        writes.push_back(index);
        InMemoryFieldArray::replaceText(index, text);
    }
    std::vector<int> writes;
};

TEST(ComputeCommand, DefaultsWriteTheNineTextsInOrder) {
    RecordingFieldArray fields;
    CalculationState state;
    runComputeCommand(fields, state);
    const std::array<std::string, 9> expected{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                              "1.25", "1.97",   "32.27%", "1.45"};
    for (int i = 0; i < kResultFieldCount; ++i) {
        EXPECT_EQ(fields.text(kFirstResultField + i), expected[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(fields.writes, (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19}));
    for (int i = 0; i < kInputFieldCount; ++i) {
        EXPECT_EQ(fields.text(i), kInputQuantities[static_cast<std::size_t>(i)].defaultText);
    }
    EXPECT_EQ(state.inputs.pumpPressure, 13.0);
    EXPECT_NEAR(state.results.nozzleArea, 377.585, 1e-9);
}

TEST(ComputeCommand, OverwritesEditedResultAndStateOnEachRun) {
    InMemoryFieldArray fields;
    CalculationState state;
    fields.replaceText(14, "typed by hand");
    runComputeCommand(fields, state);
    EXPECT_EQ(fields.text(14), "2856.20");
    fields.replaceText(3, "0");
    runComputeCommand(fields, state);
    EXPECT_EQ(fields.text(11), "0.00");
    EXPECT_EQ(state.inputs.flowRate, 0.0);
    EXPECT_EQ(state.results.bitPressureDrop, 0.0);
}

TEST(ComputeCommand, ClearingThirdNozzleChangesNothing) {
    InMemoryFieldArray withZero;
    InMemoryFieldArray cleared;
    cleared.replaceText(2, "");
    CalculationState state;
    runComputeCommand(withZero, state);
    runComputeCommand(cleared, state);
    for (int i = kFirstResultField; i < kFieldCount; ++i) {
        EXPECT_EQ(withZero.text(i), cleared.text(i));
    }
}

TEST(ComputeCommand, LenientTextReadsLikeItsFigure) {
    InMemoryFieldArray fields;
    fields.replaceText(3, " 30 L/s");
    fields.replaceText(5, "216mm");
    fields.replaceText(8, "1 820");
    CalculationState state;
    runComputeCommand(fields, state);
    EXPECT_EQ(fields.text(11), "4.20");
    EXPECT_EQ(fields.text(19), "1.45");
}

struct CommandFault {
    std::string name;
    std::vector<std::pair<int, std::string>> edits;
    FaultKind kind;
    std::string quantity;
    // Test listings show the row name rather than its bytes.
    friend void PrintTo(const CommandFault& row, std::ostream* out) { *out << row.name; }
};

class ComputeCommandFault : public testing::TestWithParam<CommandFault> {};

TEST_P(ComputeCommandFault, LeavesEveryFieldAsItWas) {
    RecordingFieldArray fields;
    CalculationState state;
    runComputeCommand(fields, state);  // results now show the defaults' figures
    fields.replaceText(12, "hand-typed");
    for (const auto& [index, text] : GetParam().edits) {
        fields.replaceText(index, text);
    }
    const auto before = snapshot(fields);
    fields.writes.clear();
    try {
        runComputeCommand(fields, state);
        FAIL() << "expected a CalculationFault";
    } catch (const CalculationFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
        EXPECT_EQ(fault.quantity(), GetParam().quantity);
    }
    EXPECT_TRUE(fields.writes.empty());
    EXPECT_EQ(snapshot(fields), before);
}

// Where each formula faults is tested with the formulas; these are the command's own cases: a
// figure read from an empty field, the last step after every other result was formed, and a
// figure too large to read.
INSTANTIATE_TEST_SUITE_P(
    Faults, ComputeCommandFault,
    testing::Values(
        CommandFault{"AllNozzlesAndFlowZero",
                     {{0, "0"}, {1, ""}, {2, "0"}, {3, "0"}},
                     FaultKind::Overflow,
                     "bitPressureDrop"},
        CommandFault{
            "PumpPressureZero", {{10, "0"}}, FaultKind::DivisionByZero, "powerUtilization"},
        CommandFault{
            "FigureTooLargeToRead", {{7, "1e400"}}, FaultKind::Overflow, "collarDiameter"}),
    [](const testing::TestParamInfo<CommandFault>& info) { return info.param.name; });

TEST(ComputeCommandFaultHandling, HundredfoldVelocityThatOverflowsIsAFault) {
    // No set of inputs that passes every formula reaches this, but the display's own
    // multiplication is checked all the same.
    HydraulicsResults results;
    results.annularVelocityCollar = 1e307;
    try {
        formResultTexts(results);
        FAIL() << "expected a CalculationFault";
    } catch (const CalculationFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
        EXPECT_EQ(fault.quantity(), "annularVelocityCollar");
    }
}

TEST(ComputeCommandFaultHandling, FaultingReadLeavesLaterFieldsUnread) {
    // A figure too large to read in field 3 stops the reading there: field 4 is never read.
    class CountingFields : public InMemoryFieldArray {
      public:
        std::string readText(int index) const override {
            ++reads[static_cast<std::size_t>(index)];
            return InMemoryFieldArray::readText(index);
        }
        mutable std::array<int, kFieldCount> reads{};
    };
    CountingFields fields;
    fields.replaceText(3, "9e999");
    CalculationState state;
    EXPECT_THROW(runComputeCommand(fields, state), CalculationFault);
    EXPECT_EQ(fields.reads[2], 1);
    EXPECT_EQ(fields.reads[3], 1);
    EXPECT_EQ(fields.reads[4], 0);
}

}  // namespace
}  // namespace bithydraulics
