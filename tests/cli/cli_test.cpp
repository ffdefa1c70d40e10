// One case, the options and the help, through runCli in process.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "calc/quantities.h"
#include "cases/column_names.h"
#include "run_cli.h"

namespace bithydraulics::cli {
namespace {

TEST(SingleCaseTest, TableShowsEachResultWithCaptionTextAndUnit) {
    const CliOutcome outcome = runCliWith({});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const std::vector<std::string> lines = cases::linesOf(outcome.out);
    ASSERT_EQ(lines.size(), kDisplayedResults.size());
    InMemoryFieldArray window;
    CalculationState state;
    runComputeCommand(window, state);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ResultQuantity& result = kDisplayedResults[i];
        // A percentage carries its unit already.
        const std::string unit =
            result.style == DisplayStyle::Percent2 ? "" : "  " + std::string(result.displayUnit);
        const std::regex shape(std::string(result.name) + " +" + std::string(result.caption) +
                               " +" + window.text(kFirstResultField + static_cast<int>(i)) + unit);
        EXPECT_TRUE(std::regex_match(lines[i], shape)) << lines[i];
    }
}

TEST(SingleCaseTest, FieldNamesAndCaptionsAgree) {
    const CliOutcome byName = runCliWith({"flowRate=32", "mudDensity=1.3"});
    const CliOutcome byCaption = runCliWith({"泥浆密度=1.3", "排量=32L/s"});
    EXPECT_EQ(byName.status, 0);
    EXPECT_EQ(byName.out, byCaption.out);
    EXPECT_NE(byName.out, runCliWith({}).out);
}

TEST(SingleCaseTest, JsonHoldsInputTextsResultTextsAndFault) {
    const CliOutcome outcome = runCliWith({"--format", "json", "排量=32L/s"});
    EXPECT_EQ(outcome.status, 0);
    const auto object = nlohmann::ordered_json::parse(outcome.out);
    ASSERT_EQ(object["inputs"].size(), kInputCount);
    EXPECT_EQ(object["inputs"]["flowRate"], "32L/s");
    EXPECT_EQ(object["inputs"]["pumpPressure"], "13");
    InMemoryFieldArray window;
    window.replaceText(3, "32L/s");
    CalculationState state;
    runComputeCommand(window, state);
    ASSERT_EQ(object["results"].size(), kDisplayedResults.size());
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        EXPECT_EQ(object["results"][std::string(kDisplayedResults[i].name)],
                  window.text(kFirstResultField + static_cast<int>(i)));
    }
    EXPECT_EQ(object["fault"], "");
    EXPECT_EQ(object["faultQuantity"], "");
}

TEST(SingleCaseTest, FaultedCaseNamesTheFault) {
    const CliOutcome table = runCliWith({"泵压=0"});
    EXPECT_EQ(table.status, 1);
    EXPECT_EQ(table.err, "");
    EXPECT_EQ(cases::linesOf(table.out).back(), "fault: division_by_zero at powerUtilization");

    const CliOutcome json = runCliWith({"泵压=0", "--format", "json", "--full"});
    EXPECT_EQ(json.status, 1);
    const auto object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["fault"], "division_by_zero");
    EXPECT_EQ(object["faultQuantity"], "powerUtilization");
    EXPECT_TRUE(object["results"]["nozzleArea"].is_null());
}

TEST(SingleCaseTest, FullTableShowsTheNozzleAreaWithItsCaption) {
    const std::vector<std::string> lines = cases::linesOf(runCliWith({"--full"}).out);
    ASSERT_EQ(lines.size(), kDisplayedResults.size() + 1);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("nozzleArea +喷嘴总面积 +377\\.58.* mm²")))
        << lines[0];
}

TEST(SingleCaseTest, FullGivesTheComputedValues) {
    const CliOutcome outcome = runCliWith({"--format", "json", "--full", "flowRate=31"});
    const auto object = nlohmann::json::parse(outcome.out);
    HydraulicsInputs inputs = readInputs(InMemoryFieldArray());
    inputs.flowRate = 31;
    const HydraulicsResults results = computeHydraulics(inputs);
    EXPECT_EQ(object["results"]["nozzleArea"].get<double>(), results.nozzleArea);
    EXPECT_EQ(object["results"]["annularVelocityPipe"].get<double>(), results.annularVelocityPipe);
    EXPECT_EQ(object["results"]["powerUtilization"].get<double>(), results.powerUtilization);
}

TEST(SingleCaseTest, StrictRefusesLenientText) {
    EXPECT_EQ(runCliWith({"--strict", "flowRate= 32 "}).status, 0);
    const CliOutcome outcome = runCliWith({"--strict", "flowRate=32L/s"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(cases::linesOf(outcome.out).back(), "fault: invalid_text at flowRate");
}

TEST(OptionsTest, UsageErrorsAreOneLineWithStatusTwo) {
    for (const auto& [args, error] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--format", "xml"}, "--format takes table|json, not 'xml'"},
             {{"--format", "csv"}, "--format takes table|json, not 'csv'"},
             {{"batch", "--format", "json"}, "--format takes csv|jsonl|table, not 'json'"},
             {{"batch", "--input", "xml"}, "--input takes csv|jsonl, not 'xml'"},
             {{"batch", "--encoding", "latin1"}, "--encoding takes utf-8|gb18030|utf-16"},
             {{"batch", "--separator", "|"}, "--separator takes ,|;|tab, not '|'"},
             {{"--pass", "well"}, "--pass"},
             {{"flowRate=30", "batch"}, "inputs and options go after 'batch'"},
             {{"--full", "sweep", "flowRate=1:2:1"}, "inputs and options go after 'sweep'"},
             {{"sweep"}, "NAME=FROM:TO:STEP"},
             {{"batch", "a.csv", "b.csv"}, "more than one FILE: 'a.csv' and 'b.csv'"},
             {{"flowRate"}, "expected NAME=TEXT"},
         }) {
        const CliOutcome outcome = runCliWith(args);
        EXPECT_EQ(outcome.status, 2) << error;
        EXPECT_EQ(outcome.out, "") << error;
        EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: error: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(error), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}

TEST(OptionsTest, AnOptionGivenTwiceTakesTheLast) {
    const CliOutcome json =
        runCliWith({"--format", "table", "--format", "json", "--full", "--full"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.front(), '{');
    const CliOutcome jsonl = runCliWith({"batch", "--input", "csv", "--input", "jsonl"}, "{}\n");
    EXPECT_EQ(jsonl.status, 0) << jsonl.err;
}

TEST(OptionsTest, ErrorsWithLineBreaksStayOnOneLine) {
    const CliOutcome outcome = runCliWith({"batch", "--input", "jsonl"}, "{\"flow\\nRate\":1}\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("unknown column 'flow\\nRate'"), std::string::npos);
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1);
}

TEST(OptionsTest, VersionIsOnePointZeroZero) {
    const CliOutcome outcome = runCliWith({"--version"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "1.00\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(OptionsTest, HelpListsEveryOptionWithAnExample) {
    const CliOutcome outcome = runCliWith({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const std::vector<std::string> lines = cases::linesOf(outcome.out);
    for (const char* option : {"--help", "--version", "--format", "--full", "--strict", "--input",
                               "--pass", "batch", "sweep", "NAME=FROM:TO:STEP", "optimize",
                               "flow-range", "--max-pressure", "--sizes-mm", "--points"}) {
        const auto line = std::find_if(lines.begin(), lines.end(), [option](const std::string& l) {
            return l.find(option) != std::string::npos && l.find("e.g.") != std::string::npos;
        });
        EXPECT_NE(line, lines.end()) << option << " has no line with an example";
    }
    for (const InputQuantity& input : kInputQuantities) {
        EXPECT_NE(outcome.out.find(input.caption), std::string::npos) << input.name;
    }
    EXPECT_EQ(runCliWith({"batch", "--help"}).status, 0);
}

TEST(OptionsTest, HelpStatesTheRules) {
    const std::string help = runCliWith({"--help"}).out;
    for (const char* rule : {"--format table|json  ",
                             "--format csv|jsonl|table  ",
                             "--pass NAME  ",
                             "give it once for each column",
                             "byte-order mark",
                             "GB18030, told from a byte-order mark or the bytes",
                             "the header line holds most of",
                             "排量(L/s)",
                             "partial_text",
                             "-o FILE replaces FILE only when the run answered",
                             "sep=;",
                             "an empty cell reads 0",
                             "up to 1 MiB",
                             "A malformed row stops the batch",
                             "after the rows before it are written",
                             "division_by_zero, overflow",
                             "invalid_text",
                             "faultQuantity the result whose step",
                             "the output ends on a",
                             "such as head, it ends quietly",
                             "warns once",
                             "--strict faults their rows",
                             "--excel-safe",
                             "cuts cells at 40 columns"}) {
        EXPECT_NE(help.find(rule), std::string::npos) << rule;
    }
    EXPECT_EQ(help.find(":{"), std::string::npos);  // no list of checked values after a type
    EXPECT_EQ(help.find("NAME ..."), std::string::npos);
}

}  // namespace
}  // namespace bithydraulics::cli
