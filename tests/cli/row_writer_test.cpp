// The three row formats: what each writes, and that what it writes reads back as it was.
#include "cli/row_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "cli/text_table.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

const std::vector<std::string> kTrickyCells{
    "plain",       "",         "a,b",      "say \"hi\"", "two\nlines",
    "cr\r\nlf",    "\"",       " blanks ", "排量",       std::string("nul\0byte", 8),
    "back\\slash", "tab\there"};

OutputLayout trickyLayout(bool full) {
    OutputLayout layout;
    layout.full = full;
    layout.inputColumns.push_back({"flowRate", 3});
    for (std::size_t i = 1; i < kTrickyCells.size(); ++i) {
        layout.inputColumns.push_back({std::string("p").append(std::to_string(i)), std::nullopt});
    }
    return layout;
}

// Writes the header and then one row per result with the tricky cells.
std::string writeRows(RowFormat format, bool full, const std::vector<CaseResult>& results) {
    std::ostringstream text;
    {
        OutputBuffer out(text, 64);  // a small buffer, so writes also cross its end
        const auto writer = makeRowWriter(format, trickyLayout(full), out);
        writer->writeHeader();
        const std::vector<std::string_view> cells(kTrickyCells.begin(), kTrickyCells.end());
        for (const CaseResult& result : results) {
            writer->writeRow(cells, result);
        }
        writer->finish();
    }
    return text.str();
}

CaseResult defaultResult() {
    static CaseComputer computer;
    return computer.compute(defaultInputTexts(), {}, false);
}

CaseResult faultResult() {
    CaseResult result;
    result.fault = "overflow";
    result.faultQuantity = "flowRate";
    return result;
}

TEST(CsvWriterTest, CellsReadBackExactly) {
    const std::string csv = writeRows(RowFormat::Csv, false, {defaultResult(), faultResult()});
    std::istringstream in(csv);
    CsvReader reader(in);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.cells()[0], "flowRate");
    EXPECT_EQ(reader.cells()[kTrickyCells.size()], "bitPressureDrop");
    EXPECT_EQ(reader.cells().back(), "faultQuantity");
    for (const bool faulted : {false, true}) {
        ASSERT_TRUE(reader.next());
        const auto cells = reader.cells();
        ASSERT_EQ(cells.size(), kTrickyCells.size() + 9 + 2);
        for (std::size_t i = 0; i < kTrickyCells.size(); ++i) {
            EXPECT_EQ(cells[i], kTrickyCells[i]) << i;
        }
        EXPECT_EQ(cells[kTrickyCells.size()], faulted ? "" : "4.20");
        EXPECT_EQ(cells[kTrickyCells.size() + 7], faulted ? "" : "32.27%");
        EXPECT_EQ(cells[cells.size() - 2], faulted ? "overflow" : "");
        EXPECT_EQ(cells.back(), faulted ? "flowRate" : "");
    }
    EXPECT_FALSE(reader.next());
}

TEST(CsvWriterTest, QuotesOnlyWhenNeeded) {
    std::ostringstream text;
    {
        OutputBuffer out(text);
        for (const char* cell : {"15mm", "1,5", "a\"b", "x\ny", " s "}) {
            appendCsvCell(out, cell);
            out.append('|');
        }
    }
    EXPECT_EQ(text.str(), "15mm|\"1,5\"|\"a\"\"b\"|\"x\ny\"| s |");
}

TEST(JsonLinesWriterTest, ObjectsReadBackExactly) {
    const std::string jsonl =
        writeRows(RowFormat::JsonLines, false, {defaultResult(), faultResult()});
    const std::vector<std::string> lines = linesOf(jsonl);
    ASSERT_EQ(lines.size(), 2u);  // no header line
    for (std::size_t row = 0; row < 2; ++row) {
        const auto object = nlohmann::ordered_json::parse(lines[row]);
        ASSERT_EQ(object.size(), kTrickyCells.size() + 9 + 2);
        auto member = object.begin();
        for (std::size_t i = 0; i < kTrickyCells.size(); ++i, ++member) {
            EXPECT_EQ(member.value(), kTrickyCells[i]) << i;
        }
        EXPECT_EQ(member.key(), "bitPressureDrop");
        EXPECT_EQ(member.value(), row == 0 ? "4.20" : "");
        EXPECT_EQ(object["fault"], row == 0 ? "" : "overflow");
        EXPECT_EQ(object["faultQuantity"], row == 0 ? "" : "flowRate");
    }
}

TEST(JsonLinesWriterTest, FullResultsAreNumbersOrNull) {
    const CaseResult computed = defaultResult();
    const std::vector<std::string> lines =
        linesOf(writeRows(RowFormat::JsonLines, true, {computed, faultResult()}));
    ASSERT_EQ(lines.size(), 2u);
    const auto good = nlohmann::json::parse(lines[0]);
    const auto bad = nlohmann::json::parse(lines[1]);
    EXPECT_EQ(good["nozzleArea"].get<double>(), computed.values.nozzleArea);
    EXPECT_EQ(good["powerUtilization"].get<double>(), computed.values.powerUtilization);
    EXPECT_TRUE(bad["nozzleArea"].is_null());
    EXPECT_TRUE(bad["annularPressureLoss"].is_null());
}

TEST(TableWriterTest, HeaderLinesAndAlignedColumns) {
    OutputLayout layout;
    layout.inputColumns = {{"排量", 3}, {"well", std::nullopt}};
    std::ostringstream text;
    {
        OutputBuffer out(text);
        const auto writer = makeRowWriter(RowFormat::Table, layout, out);
        writer->writeHeader();
        const std::vector<std::string_view> cells{"32", "A\n1"};
        writer->writeRow(cells, defaultResult());
        writer->writeRow(cells, faultResult());
        writer->finish();
    }
    const std::vector<std::string> lines = linesOf(text.str());
    ASSERT_EQ(lines.size(), 5u);
    const std::string blanks(32, ' ');
    EXPECT_EQ(lines[0].rfind("排量  well  bitPressureDrop", 0), 0u) << lines[0];
    // Captions and units under names; the empty cells of the well column keep its width.
    EXPECT_EQ(lines[1].rfind("排量" + blanks.substr(0, 15) + "钻头压降", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("L/s" + blanks.substr(0, 21) + "MPa", 0), 0u) << lines[2];
    // A line feed in a cell shows as a blank; results stand right-aligned under their names.
    EXPECT_EQ(lines[3].rfind("32    A 1" + blanks.substr(0, 14) + "4.20", 0), 0u) << lines[3];
    EXPECT_NE(lines[4].find("overflow  flowRate"), std::string::npos) << lines[4];
    const auto endOf = [](const std::string& line, std::string_view cell) {
        return displayWidth(line.substr(0, line.find(cell) + cell.size()));
    };
    EXPECT_EQ(endOf(lines[0], "bitHydraulicPower"), endOf(lines[3], "125.85"));
    EXPECT_EQ(endOf(lines[0], "annularPressureLoss"), endOf(lines[3], "1.45"));
    for (const std::string& line : lines) {
        EXPECT_NE(line.back(), ' ');  // no line ends in blanks
    }
}

TEST(TextTableTest, WidthsGrowButNeverShrinkFromBlockToBlock) {
    using Align = TextTable::Align;
    TextTable table({Align::Left, Align::Right});
    std::ostringstream text;
    {
        OutputBuffer out(text);
        const std::vector<std::string_view> wide{"wide cell", "1"};
        const std::vector<std::string_view> narrow{"x", "22"};
        table.addRow(wide);
        table.render(out);
        table.addRow(narrow);
        table.render(out);
    }
    EXPECT_EQ(text.str(), "wide cell  1\nx          22\n");
}

}  // namespace
}  // namespace bithydraulics::cli
