#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "optimize/optimization_limits.h"
#include "optimize/refusal.h"
#include "optimize/setting_terms.h"

// The limits of the optimisation window as the user types them, and their reading into the
// optimiser's limits. Every figure must be a plain figure ("18", "0.6", "1.3e3"); a text that is
// not is named with the reason, and nothing is computed from it.
namespace bithydraulics {

// The settings typed as text, in the order of the window's fields: the seven figures and, when
// the series is a list, its sizes in mm.
inline constexpr std::array<optimize::Setting, 8> kTypedSettings{
    optimize::Setting::MaxPressure,
    optimize::Setting::MaxPower,
    optimize::Setting::MaxFlow,
    optimize::Setting::MinAnnularVelocity,
    optimize::Setting::MaxEquivalentDensity,
    optimize::Setting::VerticalDepth,
    optimize::Setting::LossExponent,
    optimize::Setting::SeriesSizes,
};

// The place of a typed setting in kTypedSettings; none for the others.
std::optional<std::size_t> typedSettingIndex(optimize::Setting setting);

struct LimitTexts {
    // By their place in kTypedSettings. An empty text takes the default: no limit, 0.5 m/s, the
    // drill-pipe plus the collar length, 1.86; only the highest pump pressure must be given.
    std::array<std::string, kTypedSettings.size()> fields;  // UTF-8
    optimize::Criterion criterion = optimize::Criterion::BitHydraulicPower;
    int nozzleCount = 3;
    bool sizesInMillimetres = false;  // else the 1/32 in series 7/32 to 32/32
    std::optional<int> spread = 1;    // none for any

    // The text of a typed setting.
    std::string& operator[](optimize::Setting setting) {
        return fields.at(*typedSettingIndex(setting));
    }
    const std::string& operator[](optimize::Setting setting) const {
        return fields.at(*typedSettingIndex(setting));
    }
    bool operator==(const LimitTexts&) const = default;
};

// How the window presents a typed setting: its caption and unit, what it means (its tooltip),
// and what an empty field takes.
const optimize::SettingTerm& describeTypedSetting(optimize::Setting setting);

// A setting that cannot be used, and why.
struct LimitProblem {
    optimize::Setting setting;
    std::string reason;    // "“18x”不是一个数", UTF-8
    bool missing = false;  // a setting that must be given was left empty
};

struct LimitsReading {
    optimize::OptimizationLimits limits;  // meaningful only without problems
    std::vector<LimitProblem> problems;
};

LimitsReading readLimits(const LimitTexts& texts);

// The setting behind a limit: the highest pump pressure for Limit::PumpPressure, …; none for
// Limit::None.
std::optional<optimize::Setting> settingOfLimit(optimize::Limit limit);

}  // namespace bithydraulics
