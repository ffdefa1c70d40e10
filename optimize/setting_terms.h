#pragma once

#include <array>
#include <string_view>

#include "optimize/refusal.h"

// The one table of the optimiser's settings: for each its key (remembered settings, case
// columns), its command-line option, its names in English and in Chinese, its unit, what it
// means and what leaving it empty takes. Every window, message and the command line's help take
// their words from here.
namespace bithydraulics::optimize {

struct SettingTerm {
    Setting setting;
    std::string_view key;        // "maxPressure"
    std::string_view option;     // "--max-pressure"
    std::string_view english;    // "highest pump pressure"
    std::string_view caption;    // "最高泵压"
    std::string_view unit;       // "MPa"; empty for a pure number
    std::string_view meaning;    // a field's tooltip
    std::string_view whenEmpty;  // what an empty field takes: "不限"
};

// In the order of Setting.
extern const std::array<SettingTerm, static_cast<std::size_t>(Setting::Points) + 1> kSettingTerms;

const SettingTerm& settingTerm(Setting setting);

}  // namespace bithydraulics::optimize
