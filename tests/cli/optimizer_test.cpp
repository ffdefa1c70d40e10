// optimize and flow-range through runCli in process, against the optimiser library called
// directly on the same set-up and limits.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"
#include "cases/text.h"
#include "optimize/optimizer.h"
#include "optimize/texts.h"
#include "run_cli.h"
#include "tests/optimize/reference_model.h"

namespace bithydraulics::cli {
namespace {

using namespace optimize;
using optimize::testing::defaultSetUp;
using optimize::testing::workedExampleLimits;
using Json = nlohmann::json;

const std::vector<std::string> kWorkedExample{
    "--max-pressure", "18",   "--max-power", "720", "--min-annular-velocity", "0.6",
    "--max-ecd",      "1.30", "--depth",     "2000"};

std::vector<std::string> with(std::vector<std::string> first,
                              const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// The figures of a point in the JSON against the library's point: every number exact, every
// display text the program's own.
void expectPoint(const Json& json, const OperatingPoint& point) {
    EXPECT_EQ(json["flowRate"].get<double>(), point.flowRate());
    EXPECT_EQ(json["pumpPressure"].get<double>(), point.pumpPressure());
    EXPECT_EQ(json["availablePressure"].get<double>(), point.availablePressure);
    EXPECT_EQ(json["pumpPower"].get<double>(), point.pumpPower);
    EXPECT_EQ(json["parasiticLoss"].get<double>(), point.parasiticLoss);
    EXPECT_EQ(json["equivalentDensity"].get<double>(), point.equivalentDensity);
    EXPECT_EQ(json["criterionValue"].get<double>(), point.criterionValue);
    const ResultTexts shown = formResultTexts(point.results);
    EXPECT_EQ(json["values"]["nozzleArea"].get<double>(), point.results.nozzleArea);
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        const std::string name(kDisplayedResults[i].name);
        EXPECT_EQ(json["results"][name], shown[i]) << name;
        EXPECT_EQ(json["values"][name].get<double>(), point.results.*kDisplayedResults[i].member)
            << name;
    }
}

void expectSet(const Json& json, const RankedSet& set) {
    EXPECT_EQ(json["nozzles"], nozzleSetLabel(set.nozzles));
    ASSERT_EQ(json["diametersMm"].size(), static_cast<std::size_t>(set.nozzles.count));
    for (std::size_t i = 0; i < json["diametersMm"].size(); ++i) {
        EXPECT_EQ(json["diametersMm"][i].get<double>(), set.nozzles.diametersMm[i]);
    }
    EXPECT_EQ(json["shareOfOptimum"].get<double>(), set.shareOfOptimum);
    expectPoint(json["point"], set.point);
}

// Each set of options reaches the optimiser as the limits beside it: the JSON answer holds
// exactly the library's figures for them.
TEST(OptimizeTest, JsonHoldsTheLibrarysFigures) {
    struct Case {
        std::vector<std::string> args;
        OptimizationLimits limits;
    };
    std::vector<Case> cases{{kWorkedExample, workedExampleLimits()}};
    cases.push_back({with(kWorkedExample, {"--criterion", "impact"}), workedExampleLimits()});
    cases.back().limits.criterion = Criterion::ImpactForce;
    cases.push_back({{"--max-pressure", "20", "--max-flow", "28", "--criterion", "velocity",
                      "--nozzles", "2", "--sizes-mm", "9;10 11,12.5", "--spread", "any", "--top",
                      "3", "--exponent", "1.7", "flowRate=28", "mudDensity=1.25"},
                     {}});
    OptimizationLimits& mm = cases.back().limits;
    mm.maxPressure = 20;
    mm.maxFlow = 28;
    mm.criterion = Criterion::JetVelocity;
    mm.nozzleCount = 2;
    mm.series = NozzleSeries::millimetres({9, 10, 11, 12.5});
    mm.spread.reset();
    mm.topCount = 3;
    mm.lossExponent = 1.7;

    for (const Case& c : cases) {
        const CliOutcome outcome = runCliWith(with({"optimize", "--format", "json"}, c.args));
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "");
        const Json json = Json::parse(outcome.out);
        HydraulicsInputs setUp = defaultSetUp();
        if (c.limits.maxFlow == 28) {
            setUp.flowRate = 28;
            setUp.mudDensity = 1.25;
        }
        const OptimizationResult expected = optimizeHydraulics(setUp, c.limits);

        const Calibration& calibration = expected.calibration;
        EXPECT_EQ(json["calibration"]["lossCoefficient"].get<double>(),
                  calibration.lossCoefficient);
        EXPECT_EQ(json["calibration"]["minFlowRate"].get<double>(), calibration.minFlowRate);
        EXPECT_EQ(json["calibration"]["parasiticLoss"].get<double>(), calibration.parasiticLoss);
        const OperatingWindow& window = expected.currentWindow;
        ASSERT_FALSE(window.empty());
        EXPECT_EQ(json["currentWindow"]["lower"]["flowRate"].get<double>(), window.lower.flowRate);
        EXPECT_EQ(json["currentWindow"]["upper"]["flowRate"].get<double>(), window.upper.flowRate);
        EXPECT_EQ(json["currentWindow"]["upper"]["setting"].get<double>(), window.upper.setting);
        EXPECT_EQ(json["optimum"]["band95"]["lower"].get<double>(), expected.optimum.band95.lower);
        EXPECT_EQ(json["optimum"]["band95"]["upper"].get<double>(), expected.optimum.band95.upper);
        EXPECT_EQ(json["optimum"]["idealNozzleDiameter"].get<double>(),
                  expected.optimum.idealNozzleDiameter);
        expectPoint(json["optimum"]["point"], expected.optimum.point);
        ASSERT_EQ(json["bestSets"].size(), expected.bestSets.size());
        for (std::size_t i = 0; i < expected.bestSets.size(); ++i) {
            expectSet(json["bestSets"][i], expected.bestSets[i]);
        }
        ASSERT_EQ(json["roundedUpSet"].is_null(), !expected.roundedUpSet);
        if (expected.roundedUpSet) {
            expectSet(json["roundedUpSet"], *expected.roundedUpSet);
        }
        EXPECT_EQ(json["setsExamined"], expected.setsExamined);
    }
}

// The worked example as an engineer reads it: the optimum, each best set and the usual way with
// the library's figures as the program shows them, the best set the one the example names.
TEST(OptimizeTest, WorkedExampleTableShowsTheLibrarysFigures) {
    const CliOutcome outcome = runCliWith(with({"optimize"}, kWorkedExample));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const OptimizationResult expected = optimizeHydraulics(defaultSetUp(), workedExampleLimits());
    const std::string& table = outcome.out;
    // The line holding `text`, looked for from the heading `section` on.
    const auto lineWith = [&](const std::string& text, const std::string& section = "") {
        const std::size_t at = table.find(text, table.find(section));
        if (at == std::string::npos) {
            ADD_FAILURE() << "no '" << text << "' in\n" << table;
            return std::string();
        }
        const std::size_t start = table.rfind('\n', at) + 1;
        return table.substr(start, table.find('\n', at) - start);
    };
    EXPECT_NE(lineWith("losses outside the bit").find("K = 0.0157499"), std::string::npos);
    EXPECT_NE(lineWith("  to ").find(formatFixed2(expected.currentWindow.upper.flowRate) +
                                     "  L/s  set by equivalent circulating density"),
              std::string::npos);
    const OperatingPoint& optimum = expected.optimum.point;
    const std::string section = "Continuous optimum of bit hydraulic power";
    EXPECT_NE(lineWith("  flow rate ", section).find(formatFixed2(optimum.flowRate())),
              std::string::npos);
    EXPECT_NE(lineWith("  bit pressure drop ", section)
                  .find(formatFixed2(optimum.results.bitPressureDrop) + "  MPa  " +
                        formatPercent2(optimum.results.powerUtilization)),
              std::string::npos);
    EXPECT_NE(lineWith("  nozzle area ", section).find(formatFixed2(optimum.results.nozzleArea)),
              std::string::npos);
    EXPECT_NE(
        lineWith("  bit hydraulic power ", section).find(formatFixed2(optimum.criterionValue)),
        std::string::npos);

    ASSERT_EQ(nozzleSetLabel(expected.bestSets.front().nozzles), "11-11-12/32 in");
    for (std::size_t i = 0; i < expected.bestSets.size(); ++i) {
        const RankedSet& set = expected.bestSets[i];
        const std::string line = lineWith("  " + nozzleSetLabel(set.nozzles) + "  ");
        EXPECT_EQ(line.find(std::to_string(i + 1) + "  "), line.find_first_not_of(' ')) << line;
        // Not a terminal: the table fits 100 columns.
        EXPECT_LE(cases::displayWidth(line), 100u) << line;
        const std::vector<std::string> figures{
            formatFixed2(set.point.results.nozzleArea), formatFixed2(set.point.flowRate()),
            formatFixed2(set.point.pumpPressure()),     formResultTexts(set.point.results)[0],
            formatFixed2(set.point.criterionValue),     formatPercent2(set.shareOfOptimum)};
        for (const std::string& figure : figures) {
            EXPECT_NE(line.find(" " + figure + " "), std::string::npos) << figure << ": " << line;
        }
        // Below the table, the set's own flow window and its share of the optimum at its ends.
        const std::string own =
            lineWith(" " + nozzleSetLabel(set.nozzles) + " ", "Each set's own flow window");
        EXPECT_NE(
            own.find(formatFixed2(set.ownWindow.lower.flowRate) + " to " +
                     formatFixed2(set.ownWindow.upper.flowRate) + "  L/s  " +
                     formatPercent2(set.shareAtLower) + " to " + formatPercent2(set.shareAtUpper)),
            std::string::npos)
            << own;
    }
    const RankedSet& usual = *expected.roundedUpSet;
    EXPECT_NE(
        lineWith("The usual way")
            .find(nozzleSetLabel(usual.nozzles) + ": " + formatFixed2(usual.point.criterionValue) +
                  " kW, " + formatPercent2(usual.shareOfOptimum)),
        std::string::npos);
}

// Every flow rate of the library's range is a row, with the library's figures; the window's
// ends are rows of their own that sit on the limits that set them.
TEST(FlowRangeTest, RowsAreTheLibrarysRangeWithTheWindowsEnds) {
    const CliOutcome outcome = runCliWith(
        with({"flow-range", "--points", "21", "--format", "jsonl", "--full"}, kWorkedExample));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const FlowRange expected = computeFlowRange(defaultSetUp(), workedExampleLimits(), 21);
    std::vector<Json> rows;
    for (const std::string& line : cases::linesOf(outcome.out)) {
        rows.push_back(Json::parse(line));
    }
    ASSERT_EQ(rows.size(), expected.rows.size() + 2);
    std::size_t next = 0;
    for (const Json& row : rows) {
        if (row["windowEnd"] != "") {
            const bool lower = row["windowEnd"] == "lower";
            const WindowEnd& end = lower ? expected.window.lower : expected.window.upper;
            EXPECT_EQ(row["flowRate"].get<double>(), end.flowRate);
            EXPECT_EQ(row["windowLimit"], limitName(end.limit, Language::English));
            EXPECT_EQ(row["withinWindow"], true);
            // Hole cleaning at the lower end, the equivalent density limit at the upper.
            const double onLimit = lower ? row["annularVelocityPipe"].get<double>() * 100
                                         : row["equivalentDensity"].get<double>();
            EXPECT_NEAR(onLimit, end.setting, 1e-9 * end.setting);
            continue;
        }
        ASSERT_LT(next, expected.rows.size());
        const FlowRangeRow& want = expected.rows[next++];
        EXPECT_EQ(row["flowRate"].get<double>(), want.point.flowRate());
        EXPECT_EQ(row["withinWindow"], want.withinWindow);
        if (want.fault) {
            EXPECT_EQ(row["fault"], faultKindName(want.fault->kind()));
            EXPECT_EQ(row["faultQuantity"], want.fault->quantity());
            EXPECT_TRUE(row["bitPressureDrop"].is_null());
            continue;
        }
        EXPECT_EQ(row["fault"], "");
        EXPECT_EQ(row["pumpPressure"].get<double>(), want.point.pumpPressure());
        EXPECT_EQ(row["availablePressure"].get<double>(), want.point.availablePressure);
        EXPECT_EQ(row["equivalentDensity"].get<double>(), want.point.equivalentDensity);
        for (const ResultQuantity& result : kDisplayedResults) {
            EXPECT_EQ(row[std::string(result.name)].get<double>(),
                      want.point.results.*result.member);
        }
    }
    EXPECT_EQ(next, expected.rows.size());
    ASSERT_TRUE(expected.rows.front().fault) << "no flow, no power utilisation";

    // Without --full, the program's display texts.
    const std::vector<std::string> csv =
        cases::linesOf(runCliWith(with({"flow-range", "--points", "21"}, kWorkedExample)).out);
    ASSERT_EQ(csv.size(), rows.size() + 1);
    // A spreadsheet shows only the header: each figure's unit stands with its name.
    EXPECT_EQ(csv.front().rfind("flowRate (L/s),pumpPressure (MPa),availablePressure (MPa),"
                                "pumpPower (kW),bitPressureDrop (MPa),",
                                0),
              0u)
        << csv.front();
    const ResultTexts shown = formResultTexts(expected.rows[20].point.results);
    EXPECT_EQ(csv.back().rfind(formatFixed2(expected.rows[20].point.flowRate()) + ",", 0), 0u);
    std::string nine;
    for (const std::string& text : shown) {
        nine += "," + text;
    }
    EXPECT_NE(csv.back().find(nine + ","), std::string::npos) << csv.back();
}

// Full-width digits and "。" read as the window reads them, and a list of three nozzles is the
// three nozzle fields: each gives exactly the answer of its plain form.
TEST(OptimizeTest, WideFiguresAndNozzleListsAnswerAsTheirPlainForms) {
    const auto answerOf = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"optimize", "--format", "json"});
        const CliOutcome outcome = runCliWith(with(args, kWorkedExample));
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        Json json = Json::parse(outcome.out);
        json.erase("inputs");
        return json;
    };
    EXPECT_EQ(answerOf({"flowRate=３０", "pumpPressure=１３。０"}),
              answerOf({"flowRate=30", "pumpPressure=13.0"}));
    EXPECT_EQ(answerOf({"nozzlesMm=15;16;0.5"}),
              answerOf({"nozzleDiameter1=15", "nozzleDiameter2=16", "nozzleDiameter3=0.5"}));
    EXPECT_EQ(answerOf({"nozzles=18 18 20"})["currentNozzlesMm"],
              Json::parse("[14.2875, 14.2875, 15.875]"));
}

// Exit status 1 for a question without an answer, 2 for a bad option, each with one line
// naming what is wrong: both limits, the fault as one case states it, or the option.
TEST(OptimizerExitTest, StatusesAndOneLineReasons) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> said;  // in the one stderr line
        bool rows = false;              // whether rows are still written
    };
    const std::string oneCaseFault =
        cases::linesOf(runCliWith({"nozzleDiameter1=0", "nozzleDiameter2=0"}).out).back();
    ASSERT_EQ(oneCaseFault.rfind("fault: ", 0), 0u);
    for (const Case& c : std::vector<Case>{
             {{"optimize", "--max-pressure", "18", "--max-flow", "10"},
              1,
              {"hole cleaning", "0.50 m/s", "liner", "10.00 L/s"}},
             {{"flow-range", "--max-pressure", "3", "--min-annular-velocity", "0.6"},
              1,
              {"hole cleaning", "0.60 m/s", "pump pressure", "3.00 MPa", "current nozzles"},
              true},
             {{"optimize", "--max-pressure", "18", "nozzleDiameter1=0", "nozzleDiameter2=0"},
              1,
              {oneCaseFault}},
             {{"flow-range", "--max-pressure", "18", "flowRate=1e400"},
              1,
              {"fault: overflow at flowRate"}},
             // The reading calibrates the losses: a figure read only in part is refused.
             {{"optimize", "--max-pressure", "18", "flowRate=30L/s"}, 2, {"flowRate", "'30L/s'"}},
             {{"optimize", "--max-pressure", "18", "pumpPressure=13,5"},
              2,
              {"pumpPressure", "'13,5'"}},
             {{"optimize", "--max-pressure", "18", "flowRate=3O"}, 2, {"flowRate", "'3O'"}},
             {{"flow-range", "--max-pressure", "18", "flowRate=nan"}, 2, {"flowRate", "'nan'"}},
             // No real set of the series fits: the answer is shown, then why there is none.
             {{"optimize", "--max-pressure", "18", "--min-annular-velocity", "1.8385"},
              1,
              {"no nozzle set", "44.05 L/s", "3 nozzles of 73.20 mm, outside the series"},
              true},
             {{"optimize", "--max-pressure", "18", "--sizes-mm", "4,5"},
              1,
              {"no nozzle set", "11.98 L/s", "outside the series (4.00 to 5.00 mm)"},
              true},
             // Figures that would only overflow the arithmetic: the option and its range.
             {{"optimize", "--max-pressure", "1e308"}, 2, {"--max-pressure: ", "at most 10000"}},
             {{"optimize", "--max-pressure", "18", "--exponent", "1e-300"},
              2,
              {"--exponent: ", "from 0.1 to 5"}},
             {{"optimize", "--max-pressure", "18", "--sizes-mm", "1e-300,9"},
              2,
              {"--sizes-mm: ", "from 0.1 to 200 mm"}},
             {{"optimize", "--max-pressure", "18", "--sizes-mm", "9,8.5"},
              2,
              {"--sizes-mm: ", "smallest first", "8.5 mm comes after 9 mm"}},
             {{"optimize", "--max-pressure", "18", "--sizes-mm", "8,8"},
              2,
              {"--sizes-mm: ", "each once"}},
             {{"optimize", "--max-pressure", "18", "--top", "1e9"}, 2, {"--top: ", "1 to 1000"}},
             {{"optimize", "--max-pressure", "18", "--nozzles", "13"},
              2,
              {"--nozzles: ", "1 to 12"}},
             {{"optimize", "--max-pressure", "18", "nozzles=12,12,x"},
              2,
              {"nozzles '12,12,x'", "'x'"}},
             {{"optimize", "--max-pressure", "18", "nozzles=12,12,13", "nozzleDiameter1=9"},
              2,
              {"nozzles", "nozzleDiameter1", "one or the other"}},
             {{"optimize", "--max-pressure", "18", "pumpPressure=4"},
              1,
              {"pump pressure 4.00 MPa is not above the bit pressure drop 4.20 MPa"}},
             {{"optimize", "--max-power", "720"}, 2, {"--max-pressure is required"}},
             {{"optimize", "--max-pressure", "18MPa"}, 2, {"--max-pressure", "'18MPa'"}},
             {{"optimize", "--max-pressure", "18", "--max-power", ""}, 2, {"--max-power", "''"}},
             {{"flow-range", "--max-pressure", "18", "--max-ecd", "-1.3"},
              2,
              {"--max-ecd: ", "-1.3"}},
             {{"flow-range", "--max-pressure", "1e400"}, 2, {"--max-pressure 1e400", "range"}},
             {{"flow-range", "--max-pressure", "18", "--points", "1"}, 2, {"--points: ", "not 1"}},
             {{"optimize", "--max-pressure", "18", "--top", "2.5"}, 2, {"--top", "'2.5'"}},
             {{"optimize", "--max-pressure", "18", "--spread", "all"}, 2, {"--spread", "any"}},
             {{"optimize", "--max-pressure", "18", "--sizes-mm", "9,x"}, 2, {"--sizes-mm", "'x'"}},
             {{"optimize", "--max-pressure", "18", "--criterion", "velocity",
               "--min-annular-velocity", "0"},
              2,
              {"--criterion velocity", "--min-annular-velocity 0"}},
         }) {
        const CliOutcome outcome = runCliWith(c.args);
        const std::string what = c.args[0] + " " + c.args.back();
        EXPECT_EQ(outcome.status, c.status) << what << ": " << outcome.err;
        EXPECT_EQ(outcome.out.empty(), !c.rows) << what;
        EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: error: ", 0), 0u) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        for (const std::string& text : c.said) {
            EXPECT_NE(outcome.err.find(text), std::string::npos) << text << " in " << outcome.err;
        }
    }
}

}  // namespace
}  // namespace bithydraulics::cli
