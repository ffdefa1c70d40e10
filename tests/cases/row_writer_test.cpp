// The three row formats: what each writes, and that what it writes reads back as it was.
#include "cases/row_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cases/csv_reader.h"
#include "cases/text.h"
#include "cases/text_table.h"
#include "sample_text.h"

namespace bithydraulics::cases {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kTrickyCells{
    "plain",    "",     "a,b",        "say \"hi\"", "two\nlines",  "cr\r\nlf", "\"",
    " blanks ", "排量", "semi;colon", "tab\there",  "back\\slash", "=1+1",     "-5"};

// The tricky cells as text, then a display text and a figure.
std::vector<Column> trickyColumns() {
    std::vector<Column> columns;
    for (std::size_t i = 0; i < kTrickyCells.size(); ++i) {
        columns.push_back({"c" + std::to_string(i), {}, {}, CellKind::Text});
    }
    columns.push_back({"bitPressureDrop", "钻头压降", "MPa", CellKind::Figure});
    columns.push_back({"powerUtilization", "功率利用率", "fraction", CellKind::Number});
    return columns;
}

Rows trickyRows() {
    Rows rows(2, kTrickyCells);
    rows[0].insert(rows[0].end(), {"4.20", "0.32270249257255404"});
    rows[1].insert(rows[1].end(), {"", ""});  // a row that faulted
    return rows;
}

std::string writeRows(const std::vector<Column>& columns, const Rows& rows,
                      const WriteOptions& options) {
    std::ostringstream text;
    {
        OutputBuffer out(text, 64);  // a small buffer, so writes also cross its end
        const auto writer = makeRowWriter(columns, options, out);
        for (const std::vector<std::string>& row : rows) {
            const std::vector<std::string_view> cells(row.begin(), row.end());
            writer->writeRow(cells);
        }
        writer->finish();
    }
    return text.str();
}

TEST(CsvWriterTest, CellsReadBackExactlyWhateverTheSeparator) {
    for (const char separator : {',', ';', '\t'}) {
        WriteOptions options;
        options.separator = separator;
        std::istringstream in(writeRows(trickyColumns(), trickyRows(), options));
        CsvReader reader(in, {Encoding::Utf8, separator});
        ASSERT_TRUE(reader.next());
        EXPECT_EQ(reader.cells().size(), trickyColumns().size());
        EXPECT_EQ(reader.cells().back(), "powerUtilization");
        for (const std::vector<std::string>& row : trickyRows()) {
            ASSERT_TRUE(reader.next());
            EXPECT_EQ(std::vector<std::string>(reader.cells().begin(), reader.cells().end()), row)
                << "separator " << separator;
        }
        EXPECT_FALSE(reader.next());
    }
}

TEST(CsvWriterTest, QuotesWhenNeededAndGuardsFormulasOnRequest) {
    struct Case {
        const char* cell;
        const char* plain;
        const char* excelSafe;
    };
    for (const Case& c : std::vector<Case>{
             {"15mm", "15mm", "15mm"},
             {"1,5", "\"1,5\"", "\"1,5\""},
             {"a\"b", "\"a\"\"b\"", "\"a\"\"b\""},
             {"=1+1", "=1+1", "'=1+1"},
             {"+cmd", "+cmd", "'+cmd"},
             {"@SUM(A1)", "@SUM(A1)", "'@SUM(A1)"},
             {"-x,y", "\"-x,y\"", "\"'-x,y\""},
             {"-5", "-5", "-5"},  // a figure, not a formula
             {"+1.5e3", "+1.5e3", "+1.5e3"},
             {"a=b", "a=b", "a=b"},
         }) {
        for (const bool excelSafe : {false, true}) {
            WriteOptions options;
            options.excelSafe = excelSafe;
            const std::string text =
                writeRows({{"x", {}, {}, CellKind::Text}}, {{c.cell}}, options);
            EXPECT_EQ(text, std::string("x\n") + (excelSafe ? c.excelSafe : c.plain) + "\n");
        }
    }
}

TEST(RowWriterTest, ByteOrderMarkOnRequestInEveryFormat) {
    for (const RowFormat format : {RowFormat::Csv, RowFormat::JsonLines, RowFormat::Table}) {
        for (const bool mark : {false, true}) {
            WriteOptions options;
            options.format = format;
            options.byteOrderMark = mark;
            const std::string text = writeRows(trickyColumns(), trickyRows(), options);
            EXPECT_EQ(text.starts_with("\xEF\xBB\xBF"), mark);
            EXPECT_EQ(text.find("\xEF\xBB\xBF", 1), std::string::npos);
        }
    }
}

TEST(JsonLinesWriterTest, ObjectsReadBackExactly) {
    WriteOptions options;
    options.format = RowFormat::JsonLines;
    const std::vector<std::string> lines =
        linesOf(writeRows(trickyColumns(), trickyRows(), options));
    ASSERT_EQ(lines.size(), 2u);  // no header line
    for (std::size_t row = 0; row < 2; ++row) {
        const auto object = nlohmann::ordered_json::parse(lines[row]);
        ASSERT_EQ(object.size(), trickyColumns().size());
        auto member = object.begin();
        for (std::size_t i = 0; i < kTrickyCells.size(); ++i, ++member) {
            EXPECT_EQ(member.key(), "c" + std::to_string(i));
            EXPECT_EQ(member.value(), kTrickyCells[i]) << i;
        }
        EXPECT_EQ(object["bitPressureDrop"], row == 0 ? "4.20" : "");
        // A figure is a number, null where the row faulted.
        if (row == 0) {
            EXPECT_EQ(object["powerUtilization"].get<double>(), 0.32270249257255404);
        } else {
            EXPECT_TRUE(object["powerUtilization"].is_null());
        }
    }
}

TEST(TableWriterTest, HeaderLinesAndAlignedColumns) {
    const std::vector<Column> columns{{"排量", "排量", "L/s", CellKind::Text},
                                      {"well", {}, {}, CellKind::Text},
                                      {"bitPressureDrop", "钻头压降", "MPa", CellKind::Figure},
                                      {"bitHydraulicPower", "钻头水功率", "kW", CellKind::Figure},
                                      {"fault", {}, {}, CellKind::Text}};
    WriteOptions options;
    options.format = RowFormat::Table;
    const std::vector<std::string> lines = linesOf(writeRows(
        columns, {{"32", "A\n1", "4.20", "125.85", ""}, {"32", "A\n1", "", "", "overflow"}},
        options));
    ASSERT_EQ(lines.size(), 5u);
    const std::string blanks(32, ' ');
    EXPECT_EQ(lines[0].rfind("排量  well  bitPressureDrop", 0), 0u) << lines[0];
    // Captions and units under names; the empty cells of the well column keep its width.
    EXPECT_EQ(lines[1].rfind("排量" + blanks.substr(0, 15) + "钻头压降", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("L/s" + blanks.substr(0, 21) + "MPa", 0), 0u) << lines[2];
    // A line feed in a cell shows as a blank; figures stand right-aligned under their names.
    EXPECT_EQ(lines[3].rfind("32    A 1" + blanks.substr(0, 14) + "4.20", 0), 0u) << lines[3];
    EXPECT_TRUE(lines[4].ends_with("overflow")) << lines[4];
    const auto endOf = [](const std::string& line, std::string_view cell) {
        return displayWidth(line.substr(0, line.find(cell) + cell.size()));
    };
    EXPECT_EQ(endOf(lines[0], "bitHydraulicPower"), endOf(lines[3], "125.85"));
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

TEST(TextTableTest, CellsBeyondTheWidthAreCut) {
    const std::string huge(1 << 20, 'x');
    std::string wide;
    for (int i = 0; i < 30; ++i) {
        wide += "排";
    }
    const std::string exact(TextTable::kMaxCellWidth, 'y');
    for (const std::string& cell : {huge, wide, exact}) {
        TextTable table({TextTable::Align::Left, TextTable::Align::Left});
        std::ostringstream text;
        {
            OutputBuffer out(text);
            const std::vector<std::string_view> row{cell, "end"};
            table.addRow(row);
            table.render(out);
        }
        const std::string line = text.str().substr(0, text.str().find("  end"));
        EXPECT_LE(displayWidth(line), TextTable::kMaxCellWidth);
        if (cell == exact) {
            EXPECT_EQ(line, exact);
        } else {
            EXPECT_TRUE(line.ends_with("…")) << line;
            EXPECT_EQ(cell.rfind(line.substr(0, line.size() - std::string("…").size()), 0), 0u);
            EXPECT_GE(displayWidth(line), TextTable::kMaxCellWidth - 1);
        }
    }
}

}  // namespace
}  // namespace bithydraulics::cases
