#include <nlohmann/json.hpp>

#include "calc/compute_command.h"
#include "cli/case/result_columns.h"
#include "cli/io/output_buffer.h"
#include "cli/optimize.h"
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
    for (const ResultColumn& column : resultColumns(true)) {
        json["values"][std::string(column.name)] = point.results.*column.member;
    }
    return json;
}

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

}  // namespace

void writeOptimizationJson(const SetUp& setUp, const OptimizationLimits& limits,
                           const OptimizationResult& result, OutputBuffer& out) {
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
        {"band95", {{"lower", optimum.band95.lower}, {"upper", optimum.band95.upper}}},
        {"idealNozzleDiameter", optimum.idealNozzleDiameter},
        {"point", pointJson(optimum.point)}};
    json["bestSets"] = Json::array();
    for (const RankedSet& set : result.bestSets) {
        json["bestSets"].push_back(setJson(set));
    }
    json["roundedUpSet"] = result.roundedUpSet ? setJson(*result.roundedUpSet) : Json(nullptr);
    json["setsExamined"] = result.setsExamined;
    json["setsFeasible"] = result.setsFeasible;
    out.append(json.dump(2) + "\n");
}

}  // namespace bithydraulics::cli
