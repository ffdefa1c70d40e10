#pragma once

#include <string>
#include <string_view>

#include "optimize/optimization_limits.h"
#include "optimize/refusal.h"
#include "optimize/results.h"

// The optimiser's words, in English for the command line and in Simplified Chinese for the
// window. Figures are shown as the program shows its results ("###0.00").
namespace bithydraulics::optimize {

enum class Language { English, SimplifiedChinese };

// "pump pressure", "泵压"; "none" for Limit::None.
std::string_view limitName(Limit limit, Language language);

// The unit of the limit's setting: "m/s", "MPa", "kW", "L/s", "g/cm³"; empty for None.
std::string_view limitUnit(Limit limit);

// "bit hydraulic power", "钻头水功率"; the unit ("kW", "N", "m/s") is the same in both.
std::string_view criterionName(Criterion criterion, Language language);
std::string_view criterionUnit(Criterion criterion);

// Which limit holds the continuous optimum: "at the pump pressure limit", "泵压限制", ...
std::string_view regimeName(OptimumRegime regime, Language language);

// The name of a setting of OptimizationLimits with its unit (settingTerm()): "highest pump
// pressure (MPa)", "最高泵压 (MPa)".
std::string settingName(Setting setting, Language language);

// One sentence naming both limits and their figures: "hole cleaning and the pump pressure
// contradict each other: hole cleaning (smallest annular velocity 0.60 m/s) needs at least
// 14.38 L/s, but ...".
std::string describeContradiction(const Contradiction& contradiction, Language language);

// The reason a set-up or its limits cannot be optimised, with its figures.
std::string describeRefusal(const Refusal& refusal, Language language);

// Why no set of the series is usable, in one line: none reaches the hole-cleaning flow rate
// within the limits, and when the continuous optimum needs nozzles outside the series, which.
std::string describeNoUsableSet(const OptimizationResult& result, const OptimizationLimits& limits,
                                Language language);

// "11-11-12/32 in" for the inch series, "8.5-9-9.5 mm" for a list in mm.
std::string nozzleSetLabel(const NozzleSet& set);

}  // namespace bithydraulics::optimize
