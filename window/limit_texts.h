#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "optimize/optimization_limits.h"
#include "optimize/refusal.h"

// The limits of the optimisation window as the user types them, and their reading into the
// optimiser's limits. Every figure must be a plain figure ("18", "0.6", "1.3e3"); a text that is
// not is named with the reason, and nothing is computed from it.
namespace bithydraulics {

// The limits typed as text, in the order of the window's fields.
enum class LimitField {
    MaxPressure,
    MaxPower,
    MaxFlow,
    MinAnnularVelocity,
    MaxEquivalentDensity,
    VerticalDepth,
    LossExponent,
    NozzleSizes,  // the list of sizes in mm, when the series is one
};
inline constexpr std::size_t kLimitFieldCount = 8;

struct LimitTexts {
    // By LimitField. An empty text takes the default: no limit, 0.5 m/s, the drill-pipe plus
    // the collar length, 1.86; only the highest pump pressure must be given.
    std::array<QString, kLimitFieldCount> fields;
    optimize::Criterion criterion = optimize::Criterion::BitHydraulicPower;
    int nozzleCount = 3;
    bool sizesInMillimetres = false;  // else the 1/32 in series 7/32 to 32/32
    std::optional<int> spread = 1;    // none for any

    QString& operator[](LimitField field) { return fields.at(static_cast<std::size_t>(field)); }
    const QString& operator[](LimitField field) const {
        return fields.at(static_cast<std::size_t>(field));
    }
    bool operator==(const LimitTexts&) const = default;
};

// How the window presents a field: its caption and unit, what it means (its tooltip), and what
// an empty field takes.
struct LimitFieldDescription {
    const char* caption;  // "最大泵压"
    const char* unit;     // "MPa"
    const char* meaning;
    const char* whenEmpty;  // "不限"
};
const LimitFieldDescription& describeLimitField(LimitField field);

// A text that cannot be read as a limit, and why.
struct LimitProblem {
    LimitField field;
    QString reason;  // "“18x” 不是一个数"
};

struct LimitsReading {
    optimize::OptimizationLimits limits;  // meaningful only without problems
    std::vector<LimitProblem> problems;
};

LimitsReading readLimits(const LimitTexts& texts);

// The field of the setting or limit an optimiser's refusal names, if it has one.
std::optional<LimitField> fieldOfSetting(optimize::Setting setting);
std::optional<LimitField> fieldOfLimit(optimize::Limit limit);

}  // namespace bithydraulics
