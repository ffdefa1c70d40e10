// Batch runs in process: every text as the window shows it, columns as the header names them,
// spreadsheet exports, fault rows, --strict, --full, overrides, JSON Lines input, read errors and
// the exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "calc/compute_command.h"
#include "cases/csv_reader.h"
#include "cases/errors.h"
#include "platform/number_reading.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

using Table = std::vector<std::vector<std::string>>;

Table parseCsv(const std::string& text, char separator = ',') {
    std::istringstream in(text);
    cases::CsvReader reader(in, {cases::Encoding::Utf8, separator});
    Table table;
    while (reader.next()) {
        table.emplace_back(reader.cells().begin(), reader.cells().end());
    }
    return table;
}

// Cases in the order of the input fields, as the window's user might type them.
const std::vector<std::vector<std::string>> kCases{
    {"15", "16", "0", "30", "1.2", "216", "127", "165", "1820", "180", "13"},
    {"12mm", "12", "12", "32L/s", "1,3", "215.9", "127", "158.75", "2500", "150", "18.5"},
    {" 9.5", "9.5", "", "1e1", "abc", "311", "139.7", "203.2", "3000", "200", "22"},
    {"0", "0", "0", "30", "1.2", "216", "127", "165", "1820", "180", "13"},    // no nozzle area
    {"15", "16", "0", "-5", "1.2", "216", "127", "165", "1820", "180", "13"},  // Q^1.86 of -5
    {"15", "16", "0", "30", "1.2", "216", "216", "165", "1820", "180", "13"},  // Dh = Dp
    {"15", "16", "0", "30", "1.2", "216", "127", "165", "1820", "180", "0"},   // no pump pressure
    {"15", "16", "0", "1e400", "1.2", "216", "127", "165", "1820", "180", "13"},  // too large
    {"１５", "16", "0", "30", "1.2", "216", "127", "165", "1820", "180", "13"},   // full width
    {"1e-3", "2e-3", "0", "1e200", "1e100", "216", "127", "165", "1820", "180", "13"},
};

std::string casesAsCsv(bool byCaption) {
    std::string csv;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        csv += std::string(byCaption ? kInputQuantities[i].caption : kInputQuantities[i].name);
        csv += i + 1 < kInputCount ? "," : "\r\n";
    }
    for (const auto& row : kCases) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            csv += "\"" + row[i] + "\"" + (i + 1 < row.size() ? "," : "\r\n");
        }
    }
    return csv;
}

TEST(BatchTest, EveryTextIsWhatTheWindowShows) {
    for (const bool byCaption : {false, true}) {
        const CliOutcome outcome = runCliWith({"batch"}, casesAsCsv(byCaption));
        EXPECT_EQ(outcome.status, 1);  // some cases fault
        // Nothing but the warning of the texts that are not plain figures.
        EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: warning: ", 0), 0u) << outcome.err;
        EXPECT_EQ(cases::linesOf(outcome.err).size(), 1u);
        const Table table = parseCsv(outcome.out);
        ASSERT_EQ(table.size(), kCases.size() + 1);
        for (std::size_t row = 0; row < kCases.size(); ++row) {
            const std::vector<std::string>& cells = table[row + 1];
            ASSERT_EQ(cells.size(), kInputCount + 9 + 2);
            InMemoryFieldArray fields;
            for (std::size_t i = 0; i < kInputCount; ++i) {
                EXPECT_EQ(cells[i], kCases[row][i]);
                fields.replaceText(static_cast<int>(i), kCases[row][i]);
            }
            // A figure read only in part ("12mm") faults the row rather than computing.
            const auto partial = std::ranges::find_if(kCases[row], [](const std::string& text) {
                try {
                    return !bithydraulics::readFigure(text).whole;
                } catch (const CalculationFault&) {
                    return false;
                }
            });
            if (partial != kCases[row].end()) {
                const auto input = static_cast<std::size_t>(partial - kCases[row].begin());
                EXPECT_EQ(cells[kInputCount + 9], "partial_text") << "row " << row;
                EXPECT_EQ(cells[kInputCount + 10], kInputQuantities[input].name);
                EXPECT_EQ(cells[kInputCount], "");
                continue;
            }
            CalculationState state;
            try {
                runComputeCommand(fields, state);
                for (int i = 0; i < kResultFieldCount; ++i) {
                    EXPECT_EQ(cells[kInputCount + static_cast<std::size_t>(i)],
                              fields.text(kFirstResultField + i))
                        << "row " << row << " result " << i;
                }
                EXPECT_EQ(cells[kInputCount + 9], "");
                EXPECT_EQ(cells[kInputCount + 10], "");
            } catch (const CalculationFault& fault) {
                for (std::size_t i = 0; i < 9; ++i) {
                    EXPECT_EQ(cells[kInputCount + i], "") << "row " << row;
                }
                EXPECT_EQ(cells[kInputCount + 9], faultKindName(fault.kind())) << "row " << row;
                EXPECT_EQ(cells[kInputCount + 10], fault.quantity()) << "row " << row;
            }
        }
    }
}

TEST(BatchTest, HeaderInAnyOrderAndSubsetOthersTakeDefaults) {
    const CliOutcome outcome =
        runCliWith({"batch", "--pass", "well"}, "泵压,well,flowRate\n13,\"A-1, upper\",30\n");
    EXPECT_EQ(outcome.status, 0);
    const Table table = parseCsv(outcome.out);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0][0], "泵压");
    EXPECT_EQ(table[0][1], "well");
    EXPECT_EQ(table[0][2], "flowRate");
    EXPECT_EQ(table[0][3], "bitPressureDrop");
    EXPECT_EQ(table[1][1], "A-1, upper");
    // Defaults for the rest: the window's results on opening.
    EXPECT_EQ(table[1][3], "4.20");
    EXPECT_EQ(table[1][11], "1.45");
}

TEST(BatchTest, HeaderErrors) {
    struct Case {
        std::vector<std::string> args;
        const char* input;
        const char* error;
    };
    for (const Case& c : std::vector<Case>{
             {{"batch"},
              "flowRate,泥浆密度 [kg/m3]\n",
              "line 1, column 2: column '泥浆密度 [kg/m3]': the unit of mudDensity is g/cm³"},
             {{"batch"},
              "flowRate,排量\n",
              "column 2: input 'flowRate' is given twice (as 'flowRate'"},
             {{"batch", "--pass", "well"}, "flowRate\n30\n", "'well' declared with --pass"},
             {{"batch"}, "", "line 1: no header row"},
             {{"batch", "--pass", "flowRate"}, "flowRate\n", "names an input"},
             {{"batch", "--separator", ","},
              "flowRate;mudDensity\n",
              "column 1: the header looks separated by ';': use --separator ';'"},
             {{"batch", "--separator", ","},
              "flowRate\tmudDensity\n",
              "the header looks separated by tab: use --separator tab"},
             {{"batch"},
              "flowRate,fault\n",
              "column 2: column 'fault' holds results, as an earlier output does; give "
              "--ignore-results"},
             {{"batch"},
              "flowRate,,\n30,,1\n",
              "line 2, column 3: a cell under an empty header cell"},
         }) {
        const CliOutcome outcome = runCliWith(c.args, c.input);
        EXPECT_EQ(outcome.status, 2) << c.error;
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
    }
}

TEST(BatchTest, HeaderOnlyWritesTheHeader) {
    const CliOutcome outcome = runCliWith({"batch"}, "flowRate\n");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(cases::linesOf(outcome.out).size(), 1u);
}

TEST(BatchTest, MalformedRowStopsAfterTheRowsBefore) {
    const CliOutcome outcome =
        runCliWith({"batch"}, "flowRate,mudDensity\n30,1.2\n32,1.3\n34\n36,1\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "bit-hydraulics-cli: error: line 4: 1 cell where the header has 2\n");
    EXPECT_EQ(parseCsv(outcome.out).size(), 3u);
}

TEST(BatchTest, StrictFaultsOnAnythingButOnePlainFigure) {
    const CliOutcome outcome =
        runCliWith({"batch", "--strict"},
                   "flowRate,mudDensity,泵压\n30, 1.2 ,13\n32L/s,1.2,13\n30,1.2,\n30,1,2,13\n");
    EXPECT_EQ(outcome.status, 2);  // the last row has a cell too many
    const Table table = parseCsv(outcome.out);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1][3], "4.20");
    EXPECT_EQ(table[1][12], "");
    EXPECT_EQ(table[2][3], "");
    EXPECT_EQ(table[2][12], "invalid_text");
    EXPECT_EQ(table[2][13], "flowRate");
    EXPECT_EQ(table[3][12], "invalid_text");
    EXPECT_EQ(table[3][13], "pumpPressure");

    // Without --strict a figure read only in part faults its row; one read whole computes.
    const Table lenient = parseCsv(runCliWith({"batch"}, "flowRate\n32L/s\n３２\n32\n").out);
    EXPECT_EQ(lenient[1][10], "partial_text");
    EXPECT_EQ(lenient[1][11], "flowRate");
    EXPECT_EQ(lenient[2][1], lenient[3][1]);
    EXPECT_EQ(lenient[2][10], "");
}

double readFigure(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc());
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

TEST(BatchTest, FullResultsReadBackAsTheComputedValues) {
    const CliOutcome outcome = runCliWith({"batch", "--full"}, casesAsCsv(false));
    const Table table = parseCsv(outcome.out);
    ASSERT_EQ(table[0][kInputCount], "nozzleArea");
    ASSERT_EQ(table[0][kInputCount + 9], "annularPressureLoss");
    for (std::size_t row = 0; row < kCases.size(); ++row) {
        if (table[row + 1][kInputCount + 10] == "partial_text") {
            continue;  // see EveryTextIsWhatTheWindowShows
        }
        InMemoryFieldArray fields;
        for (std::size_t i = 0; i < kInputCount; ++i) {
            fields.replaceText(static_cast<int>(i), kCases[row][i]);
        }
        CalculationState state;
        try {
            runComputeCommand(fields, state);
        } catch (const CalculationFault&) {
            EXPECT_EQ(table[row + 1][kInputCount], "");
            continue;
        }
        const HydraulicsResults& r = state.results;
        const std::vector<double> expected{r.nozzleArea,          r.bitPressureDrop,
                                           r.bitHydraulicPower,   r.specificHydraulicPower,
                                           r.impactForce,         r.jetVelocity,
                                           r.annularVelocityPipe, r.annularVelocityCollar,
                                           r.powerUtilization,    r.annularPressureLoss};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const std::string& text = table[row + 1][kInputCount + i];
            EXPECT_EQ(readFigure(text), expected[i]) << "row " << row << " result " << i;
            // Shortest: one digit fewer no longer reads back (when there is a digit to drop).
            const std::size_t digits = text.find_first_of("eE") == std::string::npos
                                           ? text.size()
                                           : text.find_first_of("eE");
            if (digits > 2 && text.find('.') != std::string::npos && text[digits - 1] != '.') {
                const std::string shorter = text.substr(0, digits - 1) + text.substr(digits);
                EXPECT_NE(readFigure(shorter), expected[i]) << text;
            }
        }
    }
}

TEST(BatchTest, JsonLinesInputFillsEveryInput) {
    const CliOutcome outcome = runCliWith(
        {"batch", "--input", "jsonl", "--pass", "well"},
        "{\"flowRate\":32,\"well\":\"A\"}\n\n{\"泥浆密度\":\"1.3\",\"flowRate\":\"30L/s\"}\n"
        "{\"nozzleDiameter1\":0,\"nozzleDiameter2\":0}\n");
    EXPECT_EQ(outcome.status, 1);
    const Table table = parseCsv(outcome.out);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0][3], "flowRate");
    EXPECT_EQ(table[0][11], "well");
    EXPECT_EQ(table[1][3], "32");
    EXPECT_EQ(table[1][4], "1.2");  // the default text
    EXPECT_EQ(table[1][11], "A");
    EXPECT_EQ(table[1][12], "4.77");
    EXPECT_EQ(table[2][3], "30L/s");
    EXPECT_EQ(table[2][4], "1.3");
    EXPECT_EQ(table[2][11], "");
    EXPECT_EQ(table[3][21], "division_by_zero");
    EXPECT_EQ(table[3][22], "bitPressureDrop");
}

TEST(BatchTest, JsonLinesNameErrorsNameTheLine) {
    struct Case {
        const char* input;
        const char* error;
    };
    for (const Case& c : std::vector<Case>{
             {"{\"flowRate\":30}\n{\"flowrate\":30}\n", "line 2: unknown column 'flowrate'"},
             {"{\"flowRate\":30,\"排量\":31}\n", "line 1: input 'flowRate' is given twice"},
             {"{\"flowRate\":30,\"flowRate\":31}\n", "line 1: input 'flowRate' is given twice"},
             {"{\"flowRate\":null}\n", "line 1: the value of 'flowRate' is null, not a string"},
         }) {
        const CliOutcome outcome = runCliWith({"batch", "--input", "jsonl"}, c.input);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
    }
}

TEST(BatchTest, TableFormatKeepsEveryRowInOrder) {
    std::string input = "flowRate\n";
    const std::size_t rows = 3 * 256 + 5;  // several blocks of the table writer
    for (std::size_t i = 0; i < rows; ++i) {
        input += std::to_string(20 + i % 30) + "\n";
    }
    const CliOutcome outcome = runCliWith({"batch", "--format", "table"}, input);
    EXPECT_EQ(outcome.status, 0);
    const std::vector<std::string> lines = cases::linesOf(outcome.out);
    ASSERT_EQ(lines.size(), rows + 3);
    for (std::size_t i = 0; i < rows; ++i) {
        EXPECT_EQ(lines[i + 3].rfind(std::to_string(20 + i % 30) + " ", 0), 0u) << lines[i + 3];
    }
}

// The same table as spreadsheets export it, in each of their habits, gives the rows its plain
// UTF-8, comma-separated form gives.
TEST(BatchTest, SpreadsheetExportsReadAsTheirPlainForm) {
    const std::string plain = "well,排量,泥浆密度\nA-1,30,1.2\n井二,\"34\",1.25\n";
    const Table expected = parseCsv(runCliWith({"batch", "--pass", "well"}, plain).out);
    ASSERT_EQ(expected.size(), 3u);
    std::string tabs = plain;
    std::string semicolons = plain;
    std::replace(tabs.begin(), tabs.end(), ',', '\t');
    std::replace(semicolons.begin(), semicolons.end(), ',', ';');
    struct Case {
        const char* name;
        std::vector<std::string> options;
        std::string input;
        char separator;  // of the output
    };
    for (const Case& c : std::vector<Case>{
             {"Gb18030", {"--encoding", "gb18030"}, cases::converted(plain, "GB18030"), ','},
             {"Utf16Text",
              {"--separator", "tab"},
              "\xFF\xFE" + cases::converted(tabs, "UTF-16LE"),
              '\t'},
             {"Utf16NoMark",
              {"--encoding", "utf-16", "--separator", "tab"},
              cases::converted(tabs, "UTF-16LE"),
              '\t'},
             {"SeparatorLine", {}, "sep=;\r\n" + semicolons, ','},
             {"Semicolons", {"--separator", ";"}, semicolons, ';'},
             {"MarkBlanksEmptyColumns",
              {},
              "\xEF\xBB\xBF well , 排量 ,泥浆密度,,\r\nA-1,30,1.2,,\r\n井二,\"34\",1.25,, \r\n",
              ','},
         }) {
        std::vector<std::string> args{"batch", "--pass", "well"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliOutcome outcome = runCliWith(args, c.input);
        EXPECT_EQ(outcome.status, 0) << c.name << ": " << outcome.err;
        EXPECT_EQ(parseCsv(outcome.out, c.separator), expected) << c.name;
    }
}

TEST(BatchTest, NameTextFixesAColumnOrAddsOne) {
    const std::string input = "flowRate,mudDensity\n30,1.2\n32,1.1\n";
    const CliOutcome fixed = runCliWith({"batch", "-", "mudDensity=1.3", "泵压=14"}, input);
    EXPECT_EQ(fixed.status, 0);
    EXPECT_EQ(fixed.out,
              runCliWith({"batch"}, "flowRate,mudDensity,泵压\n30,1.3,14\n32,1.3,14\n").out);

    const CliOutcome objects = runCliWith({"batch", "mudDensity=1.3", "--input", "jsonl"},
                                          "{\"flowRate\":30,\"mudDensity\":2}\n{}\n");
    EXPECT_EQ(objects.out, runCliWith({"batch", "--input", "jsonl"},
                                      "{\"flowRate\":30,\"mudDensity\":\"1.3\"}\n"
                                      "{\"mudDensity\":\"1.3\"}\n")
                               .out);

    EXPECT_NE(runCliWith({"batch", "a.csv", "b.csv"}).err.find("more than one FILE"),
              std::string::npos);
    EXPECT_NE(runCliWith({"batch", "flowRate=1", "排量=2"}).err.find("given twice"),
              std::string::npos);
}

// An output fed back as input with --ignore-results gives the same output again.
TEST(BatchTest, EarlierOutputFedBackGivesItAgain) {
    const std::string csv = "well,flowRate,泵压\nA,30,13\nB,32L/s,0\n";
    const std::string jsonl = "{\"well\":\"A\",\"flowRate\":30}\n{\"泵压\":0}\n";
    for (const auto& [input, options] :
         std::vector<std::pair<std::string, std::vector<std::string>>>{
             {csv, {}},
             {csv, {"--full"}},
             {jsonl, {"--input", "jsonl", "--format", "jsonl"}},
             {jsonl, {"--input", "jsonl", "--format", "jsonl", "--full"}}}) {
        std::vector<std::string> args{"batch", "--pass", "well"};
        args.insert(args.end(), options.begin(), options.end());
        const CliOutcome first = runCliWith(args, input);
        EXPECT_EQ(first.status, 1);
        EXPECT_EQ(runCliWith(args, first.out).status, 2);  // its result columns are refused
        args.push_back("--ignore-results");
        const CliOutcome again = runCliWith(args, first.out);
        EXPECT_EQ(again.status, 1) << again.err;
        EXPECT_EQ(again.out, first.out);
    }
}

TEST(BatchTest, LenientCellsAreCountedInOneWarning) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string warning;  // empty for none
    };
    for (const Case& c : std::vector<Case>{
             {{"batch"}, "flowRate,mudDensity\n30,1.2\n-3e1, +.5 \n", ""},
             {{"batch"},
              "flowRate,pipeLength\n30,1820\n32L/s,\"1,820\"\n３１,\n",
              "2 cells were not a plain figure and read as the window reads it (an empty cell "
              "as 0, 1 000 as 1000), the first on line 4, column 1 (flowRate) '３１'; give "
              "--strict to fault such rows instead"},
             {{"batch", "--pass", "well"}, "well,flowRate\nA-1,30\n", ""},
             {{"batch", "-", "flowRate=32L/s"}, "mudDensity\n1.2\n", ""},
             {{"batch", "--strict"}, "flowRate\n32L/s\n", ""},
             {{"batch", "--input", "jsonl"},
              "{\"flowRate\":30}\n{\"泥浆密度\":\"1.2g\",\"flowRate\":\"\"}\n",
              "1 cell was not a plain figure and read as the window reads it (an empty cell "
              "as 0, 1 000 as 1000), the first on line 2 (flowRate) ''"},
         }) {
        const CliOutcome outcome = runCliWith(c.args, c.input);
        EXPECT_LE(outcome.status, 1) << outcome.err;
        if (c.warning.empty()) {
            EXPECT_EQ(outcome.err, "") << c.input;
        } else {
            EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: warning: " + c.warning, 0), 0u)
                << outcome.err;
            EXPECT_EQ(cases::linesOf(outcome.err).size(), 1u);
        }
    }
}

TEST(BatchTest, ReadErrorStopsWithoutTheHalfReadRow) {
    for (const auto& [format, input] : std::vector<std::pair<std::string, std::string>>{
             {"csv", "flowRate,pipeLength\n30,1820\n31,18"},
             {"jsonl", "{\"flowRate\":30,\"pipeLength\":1820}\n{\"pipeLength\":18"}}) {
        cases::FailingBuffer buffer(input);
        std::istream in(&buffer);
        const CliOutcome outcome = runCliWith({"batch", "--input", format}, in);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err,
                  "bit-hydraulics-cli: error: cannot read standard input: Input/output error\n");
        const Table table = parseCsv(outcome.out);
        ASSERT_EQ(table.size(), 2u) << outcome.out;
        EXPECT_NE(std::find(table[1].begin(), table[1].end(), "1820"), table[1].end());
    }
}

TEST(BatchTest, JsonNumberBeyondADoubleFaultsOnlyItsRow) {
    const CliOutcome outcome = runCliWith(
        {"batch", "--input", "jsonl"},
        "{\"flowRate\":1e400}\n{\"flowRate\":\"1e400\"}\n{\"mudDensity\":-1E+999}\n{}\n");
    EXPECT_EQ(outcome.status, 1);
    const Table table = parseCsv(outcome.out);
    ASSERT_EQ(table.size(), 5u);
    for (const auto& [row, text, input] : {std::tuple{1, "1e400", "flowRate"},
                                           {2, "1e400", "flowRate"},
                                           {3, "-1E+999", "mudDensity"}}) {
        EXPECT_EQ(table[row][row == 3 ? 4 : 3], text);
        EXPECT_EQ(table[row][20], "overflow");
        EXPECT_EQ(table[row][21], input);
    }
    EXPECT_EQ(table[4][20], "");
}

}  // namespace
}  // namespace bithydraulics::cli

namespace bithydraulics::cli {
namespace {

// A PDC bit's nozzles as a list, in one case and in a batch column: three listed are the three
// fields, six give the figures worked out by hand for 10-10-11-11-12-12 mm (Δpb 1.8213 MPa,
// vj 52.35 m/s), and a list that cannot be read faults its row alone.
TEST(NozzleListTest, OneCaseAndBatchTakeTheList) {
    const auto fullJson = [](std::vector<std::string> args) {
        args.insert(args.end(), {"--full", "--format", "json"});
        const CliOutcome outcome = runCliWith(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out.substr(outcome.out.find("\"results\""));
    };
    EXPECT_EQ(fullJson({"nozzlesMm=15;16"}), fullJson({}));
    EXPECT_EQ(
        fullJson({"nozzles=20,20,21"}),
        fullJson({"nozzleDiameter1=15.875", "nozzleDiameter2=15.875", "nozzleDiameter3=16.66875"}));
    EXPECT_NE(fullJson({"nozzlesMm=10 10 11 11 12 12"}).find("\"nozzleArea\": 573.05"),
              std::string::npos);
    EXPECT_EQ(runCliWith({"nozzles=12,12,13", "nozzleDiameter3=9"}).status, 2);
    EXPECT_EQ(runCliWith({"nozzles=1,2,3,4,5,6,7,8,9,10,11,12,13"}).status, 2);

    const CliOutcome batch = runCliWith({"batch", "--pass", "well"},
                                        "well,nozzlesMm,flowRate\n"
                                        "a,15;16,30\n"
                                        "b,10;10;11;11;12;12,30\n"
                                        "c,10;x,30\n");
    EXPECT_EQ(batch.status, 1) << batch.err;
    const Table rows = parseCsv(batch.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], "well");
    EXPECT_EQ(rows[0][1], "nozzlesMm");
    const std::vector<std::string> defaults{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                            "1.25", "1.97",   "32.27%", "1.45"};
    EXPECT_EQ(std::vector<std::string>(rows[1].begin() + 3, rows[1].begin() + 12), defaults);
    EXPECT_EQ(rows[2][3], "1.82");
    EXPECT_EQ(rows[2][7], "52.35");
    EXPECT_EQ(rows[3][12], "invalid_text");
    EXPECT_EQ(rows[3][13], "nozzlesMm");

    // JSON Lines: the same list gives the CSV row's results; the three fields are left empty.
    const CliOutcome lines = runCliWith({"batch", "--input", "jsonl", "--pass", "nozzlesMm"},
                                        "{\"nozzlesMm\": \"10;10;11;11;12;12\", \"flowRate\": 30}\n"
                                        "{\"nozzles\": \"20\", \"nozzleDiameter1\": 9}\n");
    EXPECT_EQ(lines.status, 2);
    const Table jsonRows = parseCsv(lines.out);
    ASSERT_EQ(jsonRows.size(), 2u) << lines.err;
    EXPECT_EQ(jsonRows[1][0], "");
    EXPECT_EQ(jsonRows[1][11], "10;10;11;11;12;12");
    EXPECT_EQ(std::vector<std::string>(jsonRows[1].begin() + 12, jsonRows[1].begin() + 21),
              std::vector<std::string>(rows[2].begin() + 3, rows[2].begin() + 12));
    EXPECT_NE(lines.err.find("line 2: 'nozzles' lists the nozzles in place of"), std::string::npos)
        << lines.err;
}

// A path beginning with "/" names a file on every platform, never an option in Windows' style.
TEST(BatchTest, SlashPathIsAFileEverywhere) {
    const CliOutcome outcome = runCliWith({"batch", "/nonexistent/cases.csv"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "bit-hydraulics-cli: error: cannot open '/nonexistent/cases.csv': No such file or "
              "directory\n");
}

}  // namespace
}  // namespace bithydraulics::cli
