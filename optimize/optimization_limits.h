#pragma once

#include <cstddef>
#include <optional>
#include <vector>

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

    // The sizes k/32 in for k = first..last; k/32 in is k·25.4/32 mm.
    static NozzleSeries thirtySecondsOfInch(int first = 7, int last = 32);
    // Diameters in mm, sorted, each once.
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
inline constexpr int kMaxNozzleCount = 3;
// Bounds the number of sets a search with any spread examines (some 46,000 for three nozzles).
inline constexpr std::size_t kMaxSeriesSizes = 64;
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
    int nozzleCount = 3;  // nozzles in a set: 1, 2 or 3
    NozzleSeries series = NozzleSeries::thirtySecondsOfInch();
    std::optional<int> spread = 1;  // the largest difference in series steps within one set;
                                    // none for any
    int topCount = 10;              // how many of the best sets to report
};

// The figure of the setting behind `limit`: v_min, p_r, N_r, the liner's flow rate or ρ_max; 0
// for Limit::None.
double limitSetting(const OptimizationLimits& limits, Limit limit);

}  // namespace bithydraulics::optimize
