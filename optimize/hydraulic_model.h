#pragma once

#include <array>

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "optimize/results.h"

namespace bithydraulics::optimize {

// The nozzles of a set: any number up to kMaxNozzleCount.
using NozzleDiameters = NozzleList;

// The circulating system as the pump sees it, calibrated on the current set-up, with the
// program's own calculation behind every figure of the bit and the annulus.
//
// The pump pressure at flow rate Q with a given nozzle set is
//     Pp(Q) = Δpb(Q) + Δp_L(Q),
// Δpb the program's bit pressure drop for that set at Q (it grows as Q²) and Δp_L = K·Q^m the
// parasitic loss: everything outside the bit (surface lines, inside the string, the annulus).
// The set-up is a measured operating point, Pp0 at Q0 with its own nozzles, so
//     K = (Pp0 − Δpb(Q0)) / Q0^m.
// The loss is evaluated as L0·(Q/Q0)^m with L0 = Pp0 − Δpb(Q0), which is K·Q^m and gives back
// L0 at Q0 to the last bit.
//
// The pump may deliver p(Q) = min(p_r, N_r/Q): its pressure limit p_r, or, beyond the flow rate
// N_r/p_r, what its hydraulic power N_r allows (MPa × L/s = kW).
//
// Hole cleaning needs the slower annulus to return at least v_min. The program's annular
// velocities are proportional to Q, so Q_min = v_min·Q0/v(Q0); around the drill pipe that is
// v_min·(Dh² − Dp²)/1274. A section of zero length is not there and takes no part.
//
// The equivalent circulating density is ECD(Q) = ρ + Δpa(Q)/(0.009806·H), Δpa the program's
// annular pressure loss at Q (a power of Q) and H the vertical depth; it must stay at most ρ_max.
class HydraulicModel {
  public:
    // Checks the set-up and the limits and calibrates on the set-up, whose nozzles are its three
    // nozzle fields or `currentNozzles`. Throws OptimizationRefused when they cannot be
    // optimised, CalculationFault when the program's arithmetic faults.
    HydraulicModel(const HydraulicsInputs& current, const OptimizationLimits& limits);
    HydraulicModel(const HydraulicsInputs& current, const NozzleList& currentNozzles,
                   const OptimizationLimits& limits);

    const HydraulicsInputs& current() const { return current_; }
    const OptimizationLimits& limits() const { return limits_; }
    const Calibration& calibration() const { return calibration_; }
    const NozzleDiameters& currentNozzles() const { return currentNozzles_; }

    // Δp_L(Q), MPa; not checked (the solvers step through it freely).
    double parasiticLoss(double flow) const;
    // p(Q), MPa.
    double availablePressure(double flow) const;
    // The flow rate beyond which the pump's power, not its pressure, limits it; none without a
    // power limit.
    double pressurePowerCorner() const;

    // The upper end the liner and the equivalent density set whatever the nozzles: an infinite
    // flow rate with Limit::None when neither is limited.
    WindowEnd nozzleFreeUpperEnd() const;

    // The program's figures for `nozzles` at `flow`, the pump pressure a placeholder (only the
    // power utilisation depends on it).
    HydraulicsResults probe(const NozzleDiameters& nozzles, double flow) const;
    // Δpb + Δp_L at `flow`, given its probe; not checked.
    double predictedPumpPressure(const HydraulicsResults& probe, double flow) const;
    // The limit among pump pressure, pump power, liner and equivalent density that the flow
    // rate breaks, given its probe; Limit::None when it keeps to all. A figure that is not
    // finite breaks the pump pressure.
    Limit brokenUpperLimit(const HydraulicsResults& probe, double flow) const;
    // Whether the probe's slower annulus, of the sections that are there, returns at least
    // v_min.
    bool cleansHole(const HydraulicsResults& probe) const;
    // That annulus's velocity in m/s; infinite when neither section has a length.
    double slowerAnnularVelocity(const HydraulicsResults& probe) const;

    // A nozzle set at a flow rate: every figure of the point. Throws CalculationFault, located
    // at the result or at the optimiser's own figure ("pumpPressure", "parasiticLoss",
    // "pumpPower", "equivalentDensity") whose step faulted.
    OperatingPoint evaluate(const NozzleDiameters& nozzles, double flow) const;
    // The first stage of evaluate: everything but the program's results and the criterion,
    // which `complete` adds.
    OperatingPoint predict(const NozzleDiameters& nozzles, double flow) const;
    void complete(OperatingPoint& point) const;

  private:
    HydraulicsInputs withNozzles(const NozzleDiameters& nozzles, double flow) const;
    double equivalentDensity(const HydraulicsResults& probe) const;
    double findMinFlowRate(const HydraulicsResults& reading) const;
    std::optional<double> findEquivalentDensityFlowRate(const HydraulicsResults& reading) const;

    HydraulicsInputs current_;
    NozzleDiameters currentNozzles_;
    OptimizationLimits limits_;
    Calibration calibration_;
    double densityHead_ = 0;  // 0.009806·H: MPa per g/cm³ of density over the vertical depth
};

// The criterion's figure among the program's results.
double criterionValue(Criterion criterion, const HydraulicsResults& results);

}  // namespace bithydraulics::optimize
