// Which inputs the results on screen belong to, and what copy and export hand out.
#include "behaviour/result_record.h"

#include "behaviour/compute_action.h"

#include <gtest/gtest.h>

namespace bithydraulics {
namespace {

InputTexts defaults() {
    InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kInputQuantities[i].defaultText;
    }
    return texts;
}

const ResultTexts kDefaultResults{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                  "1.25", "1.97",   "32.27%", "1.45"};

TEST(ResultRecord, ResultsGoStaleWhenAnInputChangesAndCurrentWhenItReadsAsBefore) {
    ResultRecord record;
    EXPECT_TRUE(record.empty());
    EXPECT_FALSE(record.inputsAre(defaults())) << "nothing computed, nothing stale";
    record.computed(defaults(), kDefaultResults);
    EXPECT_FALSE(record.stale());

    InputTexts edited = defaults();
    edited[3] = "40";
    EXPECT_TRUE(record.inputsAre(edited));
    EXPECT_TRUE(record.stale());
    EXPECT_FALSE(record.inputsAre(edited)) << "no change of state, no news";
    EXPECT_TRUE(record.inputsAre(defaults()));
    EXPECT_FALSE(record.stale());
}

TEST(ResultRecord, TheTablePairsTheResultsWithTheInputsThatProducedThem) {
    ResultRecord record;
    EXPECT_TRUE(record.table().empty());
    record.computed(defaults(), kDefaultResults);
    InputTexts edited = defaults();
    edited[3] = "40";
    record.inputsAre(edited);

    const std::vector<ResultRow> table = record.table();
    ASSERT_EQ(table.size(), 1u + kFieldCount);
    EXPECT_EQ(table[0].caption, "项目");
    EXPECT_EQ(table[1 + 3].caption, "排量");
    EXPECT_EQ(table[1 + 3].figure, "30") << "the flow rate the results were computed from";
    EXPECT_EQ(table[1 + 11].figure, "4.20");
    EXPECT_EQ(table[1 + 11].unit, "MPa");
    // The power utilisation carries "%" once, in its unit.
    EXPECT_EQ(table[1 + 18].figure, "32.27");
    EXPECT_EQ(table[1 + 18].unit, "%");
}

TEST(ComputeAction, NotesPartReadingsAndRecordsOnlyWhatComputed) {
    InMemoryFieldArray fields;
    CalculationState state;
    ResultRecord record;
    fields.replaceText(0, "15mm");
    ComputeOutcome outcome = runComputeAction(fields, state, record);
    EXPECT_FALSE(outcome.fault);
    EXPECT_EQ(outcome.partlyRead[0], "读作 15");
    EXPECT_FALSE(outcome.partlyRead[1]);
    EXPECT_EQ(record.table()[1 + 0].figure, "15mm");
    EXPECT_EQ(record.table()[1 + 11].figure, "4.20");

    fields.replaceText(10, "0");
    record.inputsAre(readInputTexts(fields));
    outcome = runComputeAction(fields, state, record);
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->kind(), FaultKind::DivisionByZero);
    EXPECT_TRUE(record.stale()) << "the results shown are still those of pump pressure 13";
    EXPECT_EQ(record.table()[1 + 10].figure, "13");
}

}  // namespace
}  // namespace bithydraulics
