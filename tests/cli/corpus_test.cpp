// Case files as engineers keep them (tests/cases/corpus): each is read by the shared reader as
// the window opens it and by batch, and both must find the same cases, labels and input texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cases/case_columns.h"
#include "cases/case_table.h"
#include "cases/csv_reader.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

struct CorpusRow {
    std::vector<std::string> labels;
    std::map<std::size_t, std::string> inputs;  // the inputs the file gives, by field index
};

struct CorpusFile {
    const char* name;
    std::vector<std::string> batchOptions;
    std::vector<std::string> labelNames;
    std::vector<CorpusRow> rows;
};

// Field indexes, for the rows below.
constexpr std::size_t kNozzle1 = 0, kNozzle2 = 1, kNozzle3 = 2, kFlowRate = 3, kMudDensity = 4,
                      kHoleDiameter = 5, kPipeLength = 8, kPumpPressure = 10;

const std::vector<CorpusFile> kCorpus{
    {"gb18030_captions_with_units.csv",
     {},
     {"井号"},
     {{{"川西-101"},
       {{kFlowRate, "30"}, {kMudDensity, "1.2"}, {kPumpPressure, "13"}, {kPipeLength, "1820"}}},
      {{"川西-102"},
       {{kFlowRate, "34"},
        {kMudDensity, "1.25"},
        {kPumpPressure, "15.5"},
        {kPipeLength, "2100"}}}}},
    {"utf16_tab_separated.txt",
     {},
     {"well"},
     {{{"A-1"}, {{kFlowRate, "30"}, {kMudDensity, "1.2"}, {kHoleDiameter, "216"}}},
      {{"A-2"}, {{kFlowRate, "28.5"}, {kMudDensity, "1.3"}, {kHoleDiameter, "311.1"}}}}},
    {"semicolon_decimal_comma.csv",
     {},
     {"section"},
     {{{"1"}, {{kFlowRate, "30.5"}, {kMudDensity, "1.25"}, {kPumpPressure, "13"}}},
      {{"2"}, {{kFlowRate, "32"}, {kMudDensity, "1.3"}, {kPumpPressure, "14.25"}}}}},
    {"bom_crlf_labels.csv",
     {},
     {"井号", "section"},
     {{{"X-7", "表层"}, {{kNozzle1, "12"}, {kNozzle2, "12"}, {kNozzle3, "12"}, {kFlowRate, "32"}}},
      {{"X-7", "二开"}, {{kNozzle1, "14"}, {kNozzle2, "14"}, {kNozzle3, "0"}, {kFlowRate, "30"}}}}},
    {"batch_full_output.csv",
     {"--ignore-results"},
     {"well"},
     {{{"B-1"}, {{kFlowRate, "30"}, {kMudDensity, "1.2"}}},
      {{"B-2"}, {{kFlowRate, "36"}, {kMudDensity, "1.28"}}}}},
    {"window_saved_case.csv",
     {},
     {},
     {{{},
       {{0, "15"},
        {1, "16"},
        {2, "0"},
        {3, "30"},
        {4, "1.2"},
        {5, "216"},
        {6, "127"},
        {7, "165"},
        {8, "1820"},
        {9, "180"},
        {10, "13"}}}}},
};

std::string corpusPath(const CorpusFile& file) {
    return (std::filesystem::path(BH_CASE_CORPUS) / file.name).string();
}

// The batch output's rows, header first.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::istringstream in(text);
    cases::CsvReader reader(in, {cases::Encoding::Utf8, ','});
    std::vector<std::vector<std::string>> rows;
    while (reader.next()) {
        rows.emplace_back(reader.cells().begin(), reader.cells().end());
    }
    return rows;
}

class CorpusTest : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(CorpusTest, TheWindowsReaderAndBatchFindTheSameCases) {
    const CorpusFile& file = GetParam();

    std::ifstream in(corpusPath(file), std::ios::binary);
    ASSERT_TRUE(in) << corpusPath(file);
    const cases::CaseTable table = cases::readCaseTable(in, {}, 1000);
    EXPECT_EQ(table.labelNames(), file.labelNames);
    ASSERT_EQ(table.rowCount(), file.rows.size());
    for (std::size_t row = 0; row < file.rows.size(); ++row) {
        for (std::size_t j = 0; j < file.labelNames.size(); ++j) {
            EXPECT_EQ(table.label(row, j), file.rows[row].labels[j]);
        }
        for (std::size_t i = 0; i < kInputCount; ++i) {
            const auto given = file.rows[row].inputs.find(i);
            EXPECT_EQ(table.givenInputs()[i], given != file.rows[row].inputs.end());
            EXPECT_EQ(table.inputText(row, i), given != file.rows[row].inputs.end()
                                                   ? given->second
                                                   : kInputQuantities[i].defaultText)
                << "row " << row << " input " << i;
        }
    }

    std::vector<std::string> args{"batch", corpusPath(file)};
    args.insert(args.end(), file.batchOptions.begin(), file.batchOptions.end());
    const CliOutcome batch = runCliWith(args);
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(batch.err, "");
    const auto rows = csvRows(batch.out);
    ASSERT_EQ(rows.size(), file.rows.size() + 1);
    for (std::size_t row = 0; row < file.rows.size(); ++row) {
        std::size_t label = 0;
        for (std::size_t c = 0; c < rows[0].size(); ++c) {
            const cases::ColumnMeaning meaning = cases::classifyColumn(rows[0][c]);
            if (meaning.role == cases::ColumnRole::Label) {
                EXPECT_EQ(rows[row + 1][c], file.rows[row].labels.at(label++));
            } else if (meaning.role == cases::ColumnRole::Input) {
                EXPECT_EQ(rows[row + 1][c], file.rows[row].inputs.at(meaning.input)) << rows[0][c];
            }
        }
        EXPECT_EQ(label, file.labelNames.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusTest, ::testing::ValuesIn(kCorpus), [](const auto& info) {
    std::string name = info.param.name;
    std::ranges::replace_if(
        name, [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

}  // namespace
}  // namespace bithydraulics::cli
