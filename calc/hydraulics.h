#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "platform/calculation_fault.h"

namespace bithydraulics {

// The eleven figures of a rotary drilling set-up, in the order of the input fields.
// Diameters in mm, lengths in m, flow rate in L/s, density in g/cm³, pressure in MPa.
struct HydraulicsInputs {
    double nozzleDiameter1 = 0;  // d1
    double nozzleDiameter2 = 0;  // d2
    double nozzleDiameter3 = 0;  // d3; 0 for a bit with two nozzles
    double flowRate = 0;         // Q
    double mudDensity = 0;       // ρ
    double holeDiameter = 0;     // Dh
    double pipeDiameter = 0;     // Dp
    double collarDiameter = 0;   // Dc
    double pipeLength = 0;       // Lp
    double collarLength = 0;     // Lc
    double pumpPressure = 0;     // Pp
};

// The ten computed quantities. The annular velocities are stored in hundredths of m/s and the
// power utilisation as a plain fraction; the display scales both.
struct HydraulicsResults {
    double nozzleArea = 0;              // A0, mm² (not displayed)
    double bitPressureDrop = 0;         // Δpb, MPa
    double bitHydraulicPower = 0;       // Pb, kW
    double specificHydraulicPower = 0;  // Ps, W/mm²
    double impactForce = 0;             // F, N
    double jetVelocity = 0;             // vj, m/s
    double annularVelocityPipe = 0;     // va1, m/s ÷ 100
    double annularVelocityCollar = 0;   // va2, m/s ÷ 100
    double powerUtilization = 0;        // η, fraction of pump pressure
    double annularPressureLoss = 0;     // Δpa, MPa
};

// Evaluates every formula in the program's order of operations. The first arithmetic step
// without a finite result throws CalculationFault, located at the result whose step raised it.
HydraulicsResults computeHydraulics(const HydraulicsInputs& inputs);

// The most nozzles a bit may carry: a PDC bit has five to nine.
inline constexpr int kMaxNozzles = 12;

// The nozzle diameters of a bit with any number of nozzles, in mm, in the order they are summed.
struct NozzleList {
    int count = 0;
    std::array<double, kMaxNozzles> diametersMm{};

    std::span<const double> diameters() const {
        return {diametersMm.data(), static_cast<std::size_t>(count)};
    }
    // The three nozzle fields of `inputs`, as a list of three.
    static NozzleList ofInputs(const HydraulicsInputs& inputs);
    bool operator==(const NozzleList&) const = default;
};

// The same, with the nozzle area summed over `nozzleDiameters` instead of the three nozzle fields
// (which are not read): d1², d2², their sum, d3², the next sum, and so on, then the product with
// the circle factor. Three diameters give exactly what the three fields give.
HydraulicsResults computeHydraulics(const HydraulicsInputs& inputs,
                                    std::span<const double> nozzleDiameters);

}  // namespace bithydraulics
