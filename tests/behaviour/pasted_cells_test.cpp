// A paste of several cells: how the text splits, and which cells find a field.
#include "behaviour/pasted_cells.h"

#include <gtest/gtest.h>

namespace bithydraulics {
namespace {

using Cells = std::vector<std::string>;

struct SplitRow {
    const char* name;
    std::string_view text;
    Cells cells;
};

TEST(PastedCells, SplitAsASpreadsheetCopiesThem) {
    const SplitRow rows[] = {
        {"one cell", "32", {"32"}},
        {"one copied cell", "32\n", {"32"}},
        {"one copied cell, CRLF", "32\r\n", {"32"}},
        {"row", "32\t1.3\n", {"32", "1.3"}},
        {"column, CRLF", "32\r\n40\r\n", {"32", "40"}},
        {"block, row by row", "1\t2\n3\t4\n", {"1", "2", "3", "4"}},
        {"empty cells kept", "1\t\t3\n\n5", {"1", "", "3", "", "5"}},
        {"blanks inside a cell kept", " 1 820 \t2", {" 1 820 ", "2"}},
        {"multibyte text kept whole", "１５。５\t泵压", {"１５。５", "泵压"}},
    };
    for (const SplitRow& row : rows) {
        EXPECT_EQ(pastedCells(row.text), row.cells) << row.name;
    }
}

TEST(PastedCells, CellsBeyondTheLastFieldAreLeftOutAndNoted) {
    const PastePlan plan = planPaste("1\t2\t3\t4\t5", 9, 11);
    EXPECT_EQ(plan.cells, (Cells{"1", "2"}));
    EXPECT_EQ(plan.leftOut, 3);
    EXPECT_EQ(leftOutNote(plan), "另有 3 格超出最后一个输入栏，未粘贴");

    const PastePlan fits = planPaste("1\n2\n", 0, 11);
    EXPECT_EQ(fits.cells.size(), 2u);
    EXPECT_EQ(leftOutNote(fits), "");
}

}  // namespace
}  // namespace bithydraulics
