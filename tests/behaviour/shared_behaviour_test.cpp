// What both windows decide alike, Qt-free: the layout at any density, the fault report's text,
// how pasted cells are split and spread, the partly-read marks, stale results, the copied table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "behaviour/fault_message.h"
#include "behaviour/form_scale.h"
#include "behaviour/input_marks.h"
#include "behaviour/pasted_cells.h"
#include "behaviour/result_table.h"
#include "behaviour/stale_results.h"

namespace bithydraulics {
namespace {

TEST(FormScale, MatchesTheWholePixelsAt96DpiAndIsTheNearestPixelAtEveryDensity) {
    for (int twips = -3000; twips <= 20000; ++twips) {
        ASSERT_EQ(twipsToPixelsAt(twips, kStandardDpi), twipsToPixels(twips)) << twips;
        for (const int dpi : {120, 144, 192, 288}) {
            // Off by at most half a pixel: |pixels - twips * dpi / 1440| <= 1/2.
            const long long error =
                static_cast<long long>(twipsToPixelsAt(twips, dpi)) * kTwipsPerInch -
                static_cast<long long>(twips) * dpi;
            ASSERT_LE(std::abs(error), kTwipsPerInch / 2) << twips << " twips at " << dpi;
        }
    }
}

TEST(FaultMessage, NamesTheFaultWhereItAroseAndTheFiguresToCheck) {
    struct Row {
        const char* name;
        std::string nozzle1;
        std::string expectedCheck;
    };
    const std::string longFigure(30, '7');
    const Row rows[] = {
        {"plain figure", "0", "请检查：1#喷嘴直径 = 0"},
        {"empty field", "", "请检查：1#喷嘴直径 = （空）"},
        {"long figure cut", longFigure, "请检查：1#喷嘴直径 = " + std::string(23, '7') + "…"},
        {"tab shown as a blank", "1\t2", "请检查：1#喷嘴直径 = 1 2"},
    };
    for (const Row& row : rows) {
        InMemoryFieldArray fields;
        fields.replaceText(0, row.nozzle1);
        const FaultMessage message =
            faultMessage(CalculationFault(FaultKind::Overflow, "bitPressureDrop"), fields);
        ASSERT_GE(message.lines.size(), 4u) << row.name;
        EXPECT_EQ(message.lines[0], "错误 6：溢出") << row.name;
        EXPECT_EQ(message.lines[1], "出错之处：钻头压降") << row.name;
        EXPECT_EQ(message.lines[2], row.expectedCheck) << row.name;
        EXPECT_EQ(message.lines[3].rfind("　　　　2#喷嘴直径 = ", 0), 0u) << row.name;
    }
}

TEST(PastedCells, SplitsRowsAndColumnsAndSpreadsThemOverTheFields) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> cells;
    };
    const Row rows[] = {
        {"row", "20\t21\t0\n", {"20", "21", "0"}},
        {"column with CRLF", "20\r\n21\r\n", {"20", "21"}},
        {"empty cell kept", "20\n\n21", {"20", "", "21"}},
        {"block", "1\t2\r\n3\t4", {"1", "2", "3", "4"}},
        {"one cell", "30", {"30"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(pastedCells(row.text), row.cells) << row.name;
    }
    const PasteDistribution pastedNearTheEnd = distributePaste(8, 5, kInputFieldCount);
    EXPECT_EQ(pastedNearTheEnd.filled, 3);
    EXPECT_EQ(pastedNearTheEnd.leftOut, 2);
    EXPECT_EQ(distributePaste(0, 4, kInputFieldCount).leftOut, 0);
}

TEST(InputMarks, NoteWhatAFigureReadInPartWasReadAs) {
    EXPECT_EQ(partlyReadNote("15mm"), "读作 15");
    EXPECT_EQ(partlyReadNote("1,820"), "读作 1");
    EXPECT_EQ(partlyReadNote("0.5 L"), "读作 0.5");
    EXPECT_EQ(partlyReadNote("abc"), "读作 0");
    EXPECT_EQ(partlyReadNote(" 15 "), std::nullopt);
    EXPECT_EQ(partlyReadNote("１５"), std::nullopt);
    EXPECT_EQ(partlyReadNote("1e999"), std::nullopt);  // reported by 运算 instead
}

TEST(StaleResults, GoStaleOnlyOnceThereAreResults) {
    StaleResults results;
    EXPECT_FALSE(results.inputsChanged());  // nothing computed yet: "Text1" is no result
    results.computed();
    EXPECT_TRUE(results.inputsChanged());
    EXPECT_TRUE(results.stale());
    EXPECT_FALSE(results.inputsChanged());  // already stale: nothing to redraw
    results.computed();
    EXPECT_FALSE(results.stale());
}

TEST(ResultTable, IsOneRowAFieldWithCaptionTextAndUnit) {
    InMemoryFieldArray fields;
    fields.replaceText(11, "4.20\t");
    const std::string text = tabSeparatedText(fieldTable(fields));
    EXPECT_EQ(text.rfind("项目\t数值\t单位\n1#喷嘴直径\t15\tmm\n", 0), 0u);
    EXPECT_NE(text.find("\n钻头压降\t4.20 \tMPa\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + kFieldCount);
}

}  // namespace
}  // namespace bithydraulics
