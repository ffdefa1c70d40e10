// Batch runs in process: every text as the window shows it, columns as the header names them,
// fault rows, --strict, --full, JSON Lines input, and the exit statuses.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "cli/cli_errors.h"
#include "cli/csv_reader.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

using Table = std::vector<std::vector<std::string>>;

Table parseCsv(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
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
        EXPECT_EQ(outcome.err, "");
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

TEST(BatchTest, FaultColumnsNameTheKindAndTheQuantity) {
    const CliOutcome outcome = runCliWith({"batch"}, casesAsCsv(false));
    const Table table = parseCsv(outcome.out);
    const auto faultOf = [&](std::size_t row) {
        return table[row + 1][kInputCount + 9] + " " + table[row + 1][kInputCount + 10];
    };
    EXPECT_EQ(faultOf(0), " ");
    EXPECT_EQ(faultOf(3), "division_by_zero bitPressureDrop");
    EXPECT_EQ(faultOf(4), "invalid_argument annularPressureLoss");
    EXPECT_EQ(faultOf(5), "division_by_zero annularVelocityPipe");
    EXPECT_EQ(faultOf(6), "division_by_zero powerUtilization");
    EXPECT_EQ(faultOf(7), "overflow flowRate");
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
             {{"batch"}, "flowRate,mudDensty\n", "line 1: unknown column 'mudDensty'; valid"},
             {{"batch"}, "\n\nwell\n", "line 3: unknown column 'well'"},
             {{"batch"}, "flowRate,排量\n", "input 'flowRate' is given twice (as 'flowRate' and"},
             {{"batch", "--pass", "w"}, "w,w\n", "line 1: column 'w' is given twice"},
             {{"batch", "--pass", "well"}, "flowRate\n30\n", "'well' declared with --pass"},
             {{"batch"}, "", "line 1: no header row"},
             {{"batch", "--pass", "flowRate"}, "flowRate\n", "names an input"},
         }) {
        const CliOutcome outcome = runCliWith(c.args, c.input);
        EXPECT_EQ(outcome.status, 2) << c.error;
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
    }
}

TEST(BatchTest, HeaderOnlyWritesTheHeader) {
    const CliOutcome outcome = runCliWith({"batch"}, "flowRate\n");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(linesOf(outcome.out).size(), 1u);
}

TEST(BatchTest, MalformedRowStopsAfterTheRowsBefore) {
    const CliOutcome outcome =
        runCliWith({"batch"}, "flowRate,mudDensity\n30,1.2\n32,1.3\n34\n36,1\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "bit-hydraulics-cli: error: line 4: 1 cells where the header has 2\n");
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

    // Without --strict the window reads leniently.
    const Table lenient = parseCsv(runCliWith({"batch"}, "flowRate\n32L/s\n32\n").out);
    EXPECT_EQ(lenient[1][1], lenient[2][1]);
    EXPECT_EQ(lenient[1][10], "");
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
    const std::vector<std::string> lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), rows + 3);
    for (std::size_t i = 0; i < rows; ++i) {
        EXPECT_EQ(lines[i + 3].rfind(std::to_string(20 + i % 30) + " ", 0), 0u) << lines[i + 3];
    }
}

}  // namespace
}  // namespace bithydraulics::cli
