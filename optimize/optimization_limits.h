#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "calc/hydraulics.h"

// What the engineer asks of the optimiser: the rig's limits, the hole's needs, the criterion to
// maximise at the bit and the nozzle sizes to choose from. Units are the program's own: MPa, kW,
// L/s, m/s, g/cm³, m, mm.
namespace bithydraulics::optimize {

// The figure at the bit the optimiser maximises.
enum class Criterion { BitHydraulicPower, ImpactForce, JetVelocity };

// The nozzle sizes a set is made of, smallest first.
struct NozzleSeries {
    std::vector<double> diametersMm;
    // For a series in 1/32 inch, the numerator k of each size k/32 in; empty for a list in mm.
    std::vector<int> thirtySecondsInch;

    // The sizes k/32 in for k = first..last; k/32 in is k·25.4/32 mm, held as the double
    // nearest that decimal.
    static NozzleSeries thirtySecondsOfInch(int first = 7, int last = 32);
    // Diameters in mm as listed; the limits' check refuses a list that is not smallest first,
    // each once.
    static NozzleSeries millimetres(std::vector<double> diameters);

    bool inInches() const { return !thirtySecondsInch.empty(); }
};

// What sets an end of a range of flow rates.
enum class Limit {
    None,               // nothing: the range starts at no flow
    HoleCleaning,       // the smallest annular velocity
    PumpPressure,       // the highest pump pressure
    PumpPower,          // the pump's hydraulic power
    LinerFlow,          // the liner's largest flow rate
    EquivalentDensity,  // the largest equivalent circulating density
};

inline constexpr double kDefaultLossExponent = 1.86;
inline constexpr int kMaxNozzleCount = kMaxNozzles;
inline constexpr std::size_t kMaxSeriesSizes = 64;
// The most sets a search lists, which bounds its memory whatever --top asks.
inline constexpr int kMaxTopCount = 1000;
// The most rows a flow-range table may have.
inline constexpr int kMaxFlowRangePoints = 100000;

struct OptimizationLimits {
    double maxPressure = 0;           // p_r, MPa; required, above 0
    double maxPower = 0;              // N_r, kW the pump can deliver; 0 for no limit
    double maxFlow = 0;               // the liner's largest flow rate, L/s; 0 for no limit
    double minAnnularVelocity = 0.5;  // v_min for hole cleaning, m/s; 0 for no limit
    double maxEquivalentDensity = 0;  // ρ_max, g/cm³; 0 for no limit
    double verticalDepth = 0;         // H, m; 0 for the drill-pipe plus the collar length
    double lossExponent = kDefaultLossExponent;  // m of the parasitic loss K·Q^m; above 0
    Criterion criterion = Criterion::BitHydraulicPower;
    int nozzleCount = 3;  // nozzles in a set: 1 to kMaxNozzleCount
    NozzleSeries series = NozzleSeries::thirtySecondsOfInch();
    std::optional<int> spread = 1;  // the largest difference in series steps within one set;
                                    // none for any
    int topCount = 10;              // how many of the best sets to report, up to kMaxTopCount
};

// The sensible range of a setting given as a figure: below `low` (or at it, when `lowOpen`) or
// above `high` it is refused, naming the range. Beyond these a limit means nothing on a rig and
// only makes the arithmetic overflow.
struct SettingRange {
    double low;
    bool lowOpen;
    double high;
};
inline constexpr SettingRange kPressureRange{0, true, 10000};         // MPa
inline constexpr SettingRange kPowerRange{0, false, 10000000};        // kW, 0 for no limit
inline constexpr SettingRange kFlowRange{0, false, 10000};            // L/s, 0 for no limit
inline constexpr SettingRange kAnnularVelocityRange{0, false, 100};   // m/s
inline constexpr SettingRange kEquivalentDensityRange{0, false, 10};  // g/cm³, 0 for no limit
inline constexpr SettingRange kDepthRange{0, false, 20000};           // m, 0 for the lengths
inline constexpr SettingRange kExponentRange{0.1, false, 5};
inline constexpr SettingRange kNozzleSizeRange{0.1, false, 200};  // mm

// The figure of the setting behind `limit`: v_min, p_r, N_r, the liner's flow rate or ρ_max; 0
// for Limit::None.
double limitSetting(const OptimizationLimits& limits, Limit limit);

}  // namespace bithydraulics::optimize
