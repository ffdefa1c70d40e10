#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

#include <nlohmann/json.hpp>

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "cases/plain_figure.h"
#include "cases/result_columns.h"
#include "cases/text_table.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/fitted_table.h"
#include "cli/optimizer_options.h"
#include "cli/point_cells.h"
#include "optimize/optimizer.h"
#include "optimize/size_list.h"
#include "optimize/texts.h"

// Stable names for the limits, regimes and criteria, for programs to compare.
namespace bithydraulics::optimize {

NLOHMANN_JSON_SERIALIZE_ENUM(Limit, {{Limit::None, "none"},
                                     {Limit::HoleCleaning, "holeCleaning"},
                                     {Limit::PumpPressure, "pumpPressure"},
                                     {Limit::PumpPower, "pumpPower"},
                                     {Limit::LinerFlow, "linerFlow"},
                                     {Limit::EquivalentDensity, "equivalentDensity"}})

NLOHMANN_JSON_SERIALIZE_ENUM(OptimumRegime,
                             {{OptimumRegime::PumpPressure, "pumpPressure"},
                              {OptimumRegime::PumpPower, "pumpPower"},
                              {OptimumRegime::PumpPressureAndPower, "pumpPressureAndPower"},
                              {OptimumRegime::HoleCleaning, "holeCleaning"},
                              {OptimumRegime::LinerFlow, "linerFlow"},
                              {OptimumRegime::EquivalentDensity, "equivalentDensity"}})

NLOHMANN_JSON_SERIALIZE_ENUM(Criterion, {{Criterion::BitHydraulicPower, "power"},
                                         {Criterion::ImpactForce, "impact"},
                                         {Criterion::JetVelocity, "velocity"}})

}  // namespace bithydraulics::optimize

namespace bithydraulics::cli {
namespace {

using namespace optimize;
using Json = nlohmann::ordered_json;

constexpr Language kEnglish = Language::English;

// The JSON and table names of the criteria, by Criterion.
constexpr std::array<std::string_view, 3> kCriterionKeys{"power", "impact", "velocity"};

// A figure to six significant digits, for the loss coefficient, which is far below 0.01.
std::string significant(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.6g", value);
    return text.data();
}

// A setting as given: "2000", "0.6".
std::string asGiven(double value) {
    std::array<char, 32> buffer{};
    return std::string(cases::formatShortest(value, buffer));
}

std::string limitWithSetting(Limit limit, double setting) {
    std::string text(limitName(limit, kEnglish));
    if (limit != Limit::None) {
        text += " (" + formatFixed2(setting) + " " + std::string(limitUnit(limit)) + ")";
    }
    return text;
}

// The lines of a section under its heading: a label, a figure, its unit and a note, aligned.
class Section : public cases::TextTable {
  public:
    Section() : cases::TextTable({Align::Left, Align::Right, Align::Left, Align::Left}, 200) {}

    void add(std::string_view label, const std::string& figure, std::string_view unit,
             const std::string& note = {}) {
        const std::string indented = "  " + std::string(label);
        addRow(std::array<std::string_view, 4>{indented, figure, unit, note});
    }
};

void writeCalibration(const Calibration& c, const OptimizationLimits& limits,
                      cases::OutputBuffer& out) {
    out.append("Calibration on the current set-up, " + formatFixed2(c.flowRate) + " L/s at " +
               formatFixed2(c.pumpPressure) + " MPa\n");
    Section section;
    section.add("bit pressure drop", formatFixed2(c.bitPressureDrop), "MPa");
    section.add("losses outside the bit", formatFixed2(c.parasiticLoss), "MPa",
                "K·Q^m with K = " + significant(c.lossCoefficient) + " MPa/(L/s)^" +
                    asGiven(c.lossExponent));
    section.add("smallest flow rate", formatFixed2(c.minFlowRate), "L/s",
                "for hole cleaning at " + formatFixed2(limits.minAnnularVelocity) + " m/s");
    if (c.equivalentDensityFlowRate) {
        section.add("largest flow rate for ECD", formatFixed2(*c.equivalentDensityFlowRate), "L/s",
                    "at " + formatFixed2(limits.maxEquivalentDensity) + " g/cm³ over " +
                        asGiven(c.verticalDepth) + " m");
    }
    section.render(out);
}

void writeWindow(const OperatingWindow& window, cases::OutputBuffer& out) {
    if (window.empty()) {
        out.append("\nOperating window of the current nozzles: none; " +
                   describeContradiction(*window.contradiction, kEnglish) + "\n");
        return;
    }
    out.append("\nOperating window of the current nozzles\n");
    Section section;
    for (const auto& [label, end] : {std::pair{"from", window.lower}, {"to", window.upper}}) {
        section.add(label, formatFixed2(end.flowRate), "L/s",
                    "set by " + limitWithSetting(end.limit, end.setting));
    }
    section.render(out);
}

void writeOptimum(const OptimizationResult& result, const OptimizationLimits& limits,
                  cases::OutputBuffer& out) {
    const ContinuousOptimum& optimum = result.optimum;
    const OperatingPoint& point = optimum.point;
    const ResultTexts shown = formResultTexts(point.results);
    out.append("\nContinuous optimum of " + std::string(criterionName(result.criterion, kEnglish)) +
               ", " + std::string(regimeName(optimum.regime, kEnglish)) +
               ", the nozzle area free\n");
    Section section;
    section.add("flow rate", formatFixed2(point.flowRate()), "L/s");
    section.add("95 % band",
                formatFixed2(optimum.band95.lower) + " to " + formatFixed2(optimum.band95.upper),
                "L/s", "the nozzles re-sized at each flow rate");
    section.add("bit pressure drop", shown[0], "MPa",
                shown[7] + " of the pump pressure " + formatFixed2(point.pumpPressure()) + " MPa");
    const auto& sizes = limits.series.diametersMm;
    section.add("nozzle area", formatFixed2(point.results.nozzleArea), "mm²",
                std::to_string(limits.nozzleCount) + " equal nozzles of " +
                    formatFixed2(optimum.idealNozzleDiameter) + " mm" +
                    (optimum.idealOutsideSeries
                         ? " (!) outside the series, " + formatFixed2(sizes.front()) + " to " +
                               formatFixed2(sizes.back()) + " mm"
                         : std::string()));
    section.add(criterionName(result.criterion, kEnglish), formatFixed2(point.criterionValue),
                criterionUnit(result.criterion));
    section.render(out);
}

std::string millimetres(const NozzleSet& set) {
    std::string text;
    for (int i = 0; i < set.count; ++i) {
        text += (i > 0 ? "-" : "") + formatFixed2(set.diametersMm[static_cast<std::size_t>(i)]);
    }
    return text;
}

std::string examinedLine(const OptimizationResult& result, int nozzleCount) {
    const auto whole = [](double count) { return asGiven(count); };
    std::string line = "\nBest nozzle sets: " + whole(result.setsExamined) + " examined";
    if (nozzleCount > 3) {
        line += ", " + std::to_string(result.areasExamined) + " total areas (one set listed each)";
    }
    if (result.setsFeasible) {
        line += ", " + whole(*result.setsFeasible) + " reach the hole-cleaning flow rate\n";
    } else {
        line += ", " + std::to_string(result.areasFeasible) +
                " areas reach the hole-cleaning flow rate\n";
    }
    return line;
}

// Every figure of every set, however wide.
void writeWideSets(const OptimizationResult& result, cases::OutputBuffer& out) {
    PointCells point(false);
    std::vector<cases::Column> columns{{"rank", {}, {}, cases::CellKind::Figure},
                                       {"nozzles", {}, {}, cases::CellKind::Text},
                                       {"diameters", {}, "mm", cases::CellKind::Text}};
    std::ranges::move(point.columns(), std::back_inserter(columns));
    columns.push_back({"shareOfOptimum", {}, "%", cases::CellKind::Figure});
    columns.push_back({"limit", {}, {}, cases::CellKind::Text});
    columns.push_back({"ownLowerFlow", {}, "L/s", cases::CellKind::Figure});
    columns.push_back({"shareAtLower", {}, "%", cases::CellKind::Figure});
    columns.push_back({"ownUpperFlow", {}, "L/s", cases::CellKind::Figure});
    columns.push_back({"shareAtUpper", {}, "%", cases::CellKind::Figure});
    columns.push_back({"sameAreaSets", {}, {}, cases::CellKind::Figure});
    const auto writer =
        cases::makeRowWriter(std::move(columns), {.format = cases::RowFormat::Table}, out);
    std::vector<std::string_view> row;
    for (std::size_t i = 0; i < result.bestSets.size(); ++i) {
        const RankedSet& set = result.bestSets[i];
        const std::array<std::string, 9> texts{
            std::to_string(i + 1),
            nozzleSetLabel(set.nozzles),
            millimetres(set.nozzles),
            formatPercent2(set.shareOfOptimum),
            formatFixed2(set.ownWindow.lower.flowRate),
            formatPercent2(set.shareAtLower),
            formatFixed2(set.ownWindow.upper.flowRate),
            formatPercent2(set.shareAtUpper),
            set.sameAreaSets == 0 ? std::string() : std::to_string(set.sameAreaSets)};
        row.assign(texts.begin(), texts.begin() + 3);
        std::ranges::copy(point.fill(set.point, true), std::back_inserter(row));
        row.push_back(texts[3]);
        row.push_back(limitName(set.limit, kEnglish));
        row.insert(row.end(), texts.begin() + 4, texts.end());
        writer->writeRow(row);
    }
    writer->finish();
}

// The figures an engineer chooses by, fitted to the terminal, and below them each set's own
// flow window.
void writeFittedSets(const OptimizationResult& result, std::size_t width,
                     cases::OutputBuffer& out) {
    using Align = cases::TextTable::Align;
    FittedTable table({{"rank", "", Align::Right, 9},
                       {"set", "", Align::Left, 8},
                       {"TFA", "mm²", Align::Right, 6},
                       {"flowRate", "L/s", Align::Right, 8},
                       {"pumpPressure", "MPa", Align::Right, 5},
                       {"bitDrop", "MPa", Align::Right, 4},
                       {std::string(kCriterionKeys[static_cast<std::size_t>(result.criterion)]),
                        std::string(criterionUnit(result.criterion)), Align::Right, 7},
                       {"share", "%", Align::Right, 7},
                       {"limit", "", Align::Left, 3},
                       {"diameters", "mm", Align::Left, 2}});
    for (std::size_t i = 0; i < result.bestSets.size(); ++i) {
        const RankedSet& set = result.bestSets[i];
        const ResultTexts shown = formResultTexts(set.point.results);
        const std::array<std::string, 10> cells{std::to_string(i + 1),
                                                nozzleSetLabel(set.nozzles),
                                                formatFixed2(set.point.results.nozzleArea),
                                                formatFixed2(set.point.flowRate()),
                                                formatFixed2(set.point.pumpPressure()),
                                                shown[0],
                                                formatFixed2(set.point.criterionValue),
                                                formatPercent2(set.shareOfOptimum),
                                                std::string(limitName(set.limit, kEnglish)),
                                                millimetres(set.nozzles)};
        const std::array<std::string_view, 10> views{cells[0], cells[1], cells[2], cells[3],
                                                     cells[4], cells[5], cells[6], cells[7],
                                                     cells[8], cells[9]};
        table.addRow(views);
    }
    table.render(width, out);
    if (result.bestSets.empty()) {
        return;
    }
    out.append(
        "\nEach set's own flow window (its nozzles fixed) and its share of the optimum at "
        "either end\n");
    Section section;
    for (std::size_t i = 0; i < result.bestSets.size(); ++i) {
        const RankedSet& set = result.bestSets[i];
        const OperatingWindow& own = set.ownWindow;
        if (own.empty()) {
            continue;
        }
        const std::string rank = std::to_string(i + 1);
        section.add(
            std::string(rank.size() < 2 ? 1 : 0, ' ') + rank + "  " + nozzleSetLabel(set.nozzles),
            formatFixed2(own.lower.flowRate) + " to " + formatFixed2(own.upper.flowRate), "L/s",
            formatPercent2(set.shareAtLower) + " to " + formatPercent2(set.shareAtUpper));
    }
    section.render(out);
}

void writeBestSets(const OptimizationResult& result, const Options& options,
                   cases::OutputBuffer& out) {
    out.append(examinedLine(result, options.limits.nozzleCount));
    if (result.bestSets.empty()) {
        out.append("  none\n");
    } else if (options.wide) {
        writeWideSets(result, out);
    } else {
        writeFittedSets(result, outputWidth(), out);
    }
}

void writeUsualWay(const OptimizationResult& result, cases::OutputBuffer& out) {
    const std::string_view unit = criterionUnit(result.criterion);
    if (!result.roundedUpSet) {
        out.append(
            "\nThe usual way, the optimum's flow rate with its nozzle area rounded up: no "
            "set of the series is that large\n");
        return;
    }
    const RankedSet& set = *result.roundedUpSet;
    out.append("\nThe usual way, the optimum's flow rate with its nozzle area rounded up to " +
               nozzleSetLabel(set.nozzles) + ": " + formatFixed2(set.point.criterionValue) + " " +
               std::string(unit) + ", " + formatPercent2(set.shareOfOptimum) +
               " of the optimum, at " + formatFixed2(set.point.pumpPressure()) + " MPa\n");
}

// The optimiser's figures as numbers, the program's results as its display texts and as values.
Json pointJson(const OperatingPoint& point) {
    Json json;
    json["flowRate"] = point.flowRate();
    json["pumpPressure"] = point.pumpPressure();
    json["availablePressure"] = point.availablePressure;
    json["pumpPower"] = point.pumpPower;
    json["parasiticLoss"] = point.parasiticLoss;
    json["equivalentDensity"] = point.equivalentDensity;
    json["criterionValue"] = point.criterionValue;
    const ResultTexts shown = formResultTexts(point.results);
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        json["results"][std::string(kDisplayedResults[i].name)] = shown[i];
    }
    for (const cases::ResultColumn& column : cases::resultColumns(true)) {
        json["values"][std::string(column.name)] = point.results.*column.member;
    }
    return json;
}

Json windowJson(const OperatingWindow& window);

Json setJson(const RankedSet& set) {
    Json json;
    json["nozzles"] = nozzleSetLabel(set.nozzles);
    const auto count = static_cast<std::size_t>(set.nozzles.count);
    json["diametersMm"] = std::vector<double>(set.nozzles.diametersMm.begin(),
                                              set.nozzles.diametersMm.begin() + count);
    if (set.nozzles.thirtySecondsInch[0] != 0) {
        json["thirtySecondsInch"] = std::vector<int>(set.nozzles.thirtySecondsInch.begin(),
                                                     set.nozzles.thirtySecondsInch.begin() + count);
    }
    json["limit"] = set.limit;
    json["shareOfOptimum"] = set.shareOfOptimum;
    json["point"] = pointJson(set.point);
    json["ownWindow"] = windowJson(set.ownWindow);
    json["shareAtLower"] = set.shareAtLower;
    json["shareAtUpper"] = set.shareAtUpper;
    json["sameAreaSets"] = set.sameAreaSets == 0 ? Json(nullptr) : Json(set.sameAreaSets);
    return json;
}

Json windowJson(const OperatingWindow& window) {
    Json json;
    if (window.empty()) {
        const Contradiction& c = *window.contradiction;
        json["lower"] = nullptr;
        json["upper"] = nullptr;
        json["contradiction"] = {{"lower", c.lower},
                                 {"upper", c.upper},
                                 {"lowerFlow", c.lowerFlow},
                                 {"upperFlow", c.upperFlow},
                                 {"message", describeContradiction(c, Language::English)}};
        return json;
    }
    for (const auto& [key, end] : {std::pair{"lower", window.lower}, {"upper", window.upper}}) {
        json[key] = {{"flowRate", end.flowRate},
                     {"limit", end.limit},
                     {"setting", end.setting},
                     {"unit", limitUnit(end.limit)}};
    }
    json["contradiction"] = nullptr;
    return json;
}

// The JSON object of an optimisation.
void writeOptimizationJson(const SetUp& setUp, const OptimizationLimits& limits,
                           const OptimizationResult& result, cases::OutputBuffer& out) {
    Json json;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        json["inputs"][std::string(kInputQuantities[i].name)] = setUp.texts[i];
    }
    json["limits"] = {
        {"maxPressure", limits.maxPressure},
        {"maxPower", limits.maxPower},
        {"maxFlow", limits.maxFlow},
        {"minAnnularVelocity", limits.minAnnularVelocity},
        {"maxEquivalentDensity", limits.maxEquivalentDensity},
        {"verticalDepth", limits.verticalDepth},
        {"lossExponent", limits.lossExponent},
        {"criterion", limits.criterion},
        {"nozzleCount", limits.nozzleCount},
        // "32nds", or the sizes in mm --sizes-mm gave.
        {"series", limits.series.inInches() ? Json("32nds") : Json(limits.series.diametersMm)},
        {"spread", limits.spread ? Json(*limits.spread) : Json("any")},
        {"top", limits.topCount}};
    json["currentNozzlesMm"] = std::vector<double>(
        setUp.nozzles.diametersMm.begin(), setUp.nozzles.diametersMm.begin() + setUp.nozzles.count);
    const Calibration& c = result.calibration;
    json["calibration"] = {
        {"flowRate", c.flowRate},
        {"pumpPressure", c.pumpPressure},
        {"bitPressureDrop", c.bitPressureDrop},
        {"parasiticLoss", c.parasiticLoss},
        {"lossExponent", c.lossExponent},
        {"lossCoefficient", c.lossCoefficient},
        {"verticalDepth", c.verticalDepth},
        {"minFlowRate", c.minFlowRate},
        {"equivalentDensityFlowRate",
         c.equivalentDensityFlowRate ? Json(*c.equivalentDensityFlowRate) : Json(nullptr)}};
    json["currentWindow"] = windowJson(result.currentWindow);
    const ContinuousOptimum& optimum = result.optimum;
    json["optimum"] = {
        {"regime", optimum.regime},
        // The nozzles re-sized at every flow rate; a set's own range is its ownWindow.
        {"band95",
         {{"lower", optimum.band95.lower},
          {"upper", optimum.band95.upper},
          {"assumes", "nozzlesResizedAtEveryFlowRate"}}},
        {"idealNozzleDiameter", optimum.idealNozzleDiameter},
        {"idealOutsideSeries", optimum.idealOutsideSeries},
        {"point", pointJson(optimum.point)}};
    json["bestSets"] = Json::array();
    for (const RankedSet& set : result.bestSets) {
        json["bestSets"].push_back(setJson(set));
    }
    json["roundedUpSet"] = result.roundedUpSet ? setJson(*result.roundedUpSet) : Json(nullptr);
    json["setsExamined"] = result.setsExamined;
    json["setsFeasible"] = result.setsFeasible ? Json(*result.setsFeasible) : Json(nullptr);
    json["areasExamined"] = result.areasExamined;
    json["areasFeasible"] = result.areasFeasible;
    json["noUsableSet"] = result.bestSets.empty()
                              ? Json(describeNoUsableSet(result, limits, kEnglish))
                              : Json(nullptr);
    out.append(json.dump(2) + "\n");
}

// An option that sets the nozzle series.
void addSeriesOptions(CLI::App& command, Options& options) {
    CLI::Option* series = acceptOnly(
        command.add_option_function<std::string>(
            "--series",
            [&options](const std::string&) {
                options.limits.series = NozzleSeries::thirtySecondsOfInch();
            },
            "The nozzle sizes a set is made of: 32nds (the default), 7/32 to 32/32 in, k/32 in "
            "being k × 25.4/32 mm; e.g. --series 32nds"),
        CLI::CheckedTransformer(std::map<std::string, std::string>{{"32nds", "32nds"}},
                                CLI::ignore_case),
        "32nds");
    command
        .add_option_function<std::string>(
            "--sizes-mm",
            [&options](const std::string& list) {
                std::vector<double> sizes;
                for (const std::string_view size : splitSizeList(list)) {
                    sizes.push_back(plainFigure("--sizes-mm", size, "8.5"));
                }
                options.limits.series = NozzleSeries::millimetres(std::move(sizes));
            },
            "The nozzle sizes a set is made of, instead of --series: diameters in mm, smallest "
            "first, each once, apart by commas, semicolons or blanks (as the window takes "
            "them); e.g. --sizes-mm 8,8.5,9,9.5,10,11")
        ->type_name("LIST")
        ->excludes(series);
}

}  // namespace

// optimize [NAME=TEXT ...] --max-pressure MPa [limits] [choices]: the best flow rate and nozzle
// set for the current set-up within the limits. Writes the calibration, the operating window of
// the current nozzles, the continuous optimum with its 95 % band, the best real sets and the
// usual way beside them:
//  - Table: sections of aligned figures with their units, the sets as a table of rows.
//  - Json: one object, the optimiser's figures as numbers, the program's display texts as
//    strings, limits and regimes by stable names.
// Returns kExitComputed; a set-up or limits that cannot be optimised, or a fault of the
// arithmetic, end the run as endForRefusal and answer() say.
CLI::App* declareOptimize(CLI::App& program, Options& options) {
    CLI::App* command = program.add_subcommand(
        "optimize",
        "The best flow rate and nozzle set within the pump's and the hole's limits, from the "
        "current set-up: the calibration, the operating window of the current nozzles, the best "
        "with the nozzle area free, and the best real nozzle sets at their own best flow rates; "
        "e.g. bit-hydraulics-cli optimize --max-pressure 18 --max-power 720");
    addSetUpAndLimits(*command, options);
    addChoice(*command, "--criterion", options.limits.criterion,
              {{"power", Criterion::BitHydraulicPower},
               {"impact", Criterion::ImpactForce},
               {"velocity", Criterion::JetVelocity}},
              "power|impact|velocity",
              "What to make the most of at the bit: power (the default: bit hydraulic power, "
              "kW), impact (jet impact force, N) or velocity (jet velocity, m/s); e.g. "
              "--criterion impact");
    addWholeNumber(*command, "--nozzles", options.limits.nozzleCount,
                   "Nozzles in a set: 1 to 12, 3 by default; for more than three, one set of "
                   "each total area is listed; e.g. --nozzles 6");
    addSeriesOptions(*command, options);
    command
        ->add_option_function<std::string>(
            "--spread",
            [&options](const std::string& text) {
                if (CLI::detail::to_lower(text) == "any") {
                    options.limits.spread.reset();
                } else if (cases::isPlainFigure(text)) {
                    options.limits.spread = wholeNumber("--spread", text);
                } else {
                    throw cases::UsageError(
                        "--spread takes a whole number such as 1, or any, not '" + text + "'");
                }
            },
            "The largest difference in series steps between the sizes of one set: 1 (the "
            "default: equal or adjacent sizes), 0 for equal sizes, or any; e.g. --spread any")
        ->type_name("N|any");
    addWholeNumber(*command, "--top", options.limits.topCount,
                   "How many of the best sets to list, 1 to 1000 (default 10); e.g. --top 5");
    command->add_flag("--wide", options.wide,
                      "Tables with every figure, however wide, rather than the columns that fit "
                      "the terminal (100 columns when the output is not one); e.g. --wide");
    addChoice(*command, "--format", options.caseFormat,
              {{"table", CaseFormat::Table}, {"json", CaseFormat::Json}}, "table|json",
              "table (the default: sections of figures with their units, the sets as a table) "
              "or json (one object: the optimiser's figures as numbers, the program's display "
              "texts as strings); e.g. --format json");
    addStrictOption(*command, options);
    return command;
}

int runOptimize(const Options& options, Streams& streams) {
    const SetUp setUp = readSetUp(options);
    const OptimizationResult result = answer([&] {
        OptimizationResult result =
            optimizeHydraulics(setUp.figures, setUp.nozzles, options.limits);
        if (options.caseFormat == CaseFormat::Json) {
            writeOptimizationJson(setUp, options.limits, result, streams.out);
            return result;
        }
        writeCalibration(result.calibration, options.limits, streams.out);
        writeWindow(result.currentWindow, streams.out);
        writeOptimum(result, options.limits, streams.out);
        writeBestSets(result, options, streams.out);
        writeUsualWay(result, streams.out);
        return result;
    });
    // Without a set to run, the answer is not one: everything is shown, then why.
    if (result.bestSets.empty()) {
        throw cases::Unanswered(describeNoUsableSet(result, options.limits, kEnglish));
    }
    return kExitComputed;
}

}  // namespace bithydraulics::cli
