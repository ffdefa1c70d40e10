#include "optimize/hydraulic_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "optimize/boundary_search.h"
#include "optimize/refusal.h"
#include "optimize/setup_checks.h"
#include "platform/elementary_functions.h"
#include "platform/runtime.h"

namespace bithydraulics::optimize {
namespace {

// MPa per g/cm³ and metre of height: the pressure of a column of that density.
constexpr double kPressurePerDensityAndDepth = 0.009806;

// The optimiser's own figures fault as the program's do: a step without a finite result is an
// overflow, located at the figure.
double finiteOrFault(double value, std::string_view quantity) {
    if (!std::isfinite(value)) {
        throw CalculationFault(FaultKind::Overflow, quantity);
    }
    return value;
}

[[noreturn]] void refuse(RefusalReason reason, double first = 0, double second = 0) {
    Refusal refusal;
    refusal.reason = reason;
    refusal.figures = {first, second};
    throw OptimizationRefused(refusal);
}

// Whether a probe of an exploratory flow rate keeps to `condition`; a flow rate so large the
// program cannot compute it does not.
template <class Condition>
bool holdsComputably(Condition&& condition) {
    try {
        return condition();
    } catch (const CalculationFault&) {
        return false;
    }
}

}  // namespace

HydraulicModel::HydraulicModel(const HydraulicsInputs& current, const OptimizationLimits& limits)
    : HydraulicModel(current, NozzleList::ofInputs(current), limits) {}

HydraulicModel::HydraulicModel(const HydraulicsInputs& current, const NozzleList& nozzles,
                               const OptimizationLimits& limits)
    : current_(current), currentNozzles_(nozzles), limits_(limits) {
    checkSetUp(current);
    checkLimits(limits);
    Calibration& calibration = calibration_;
    calibration.flowRate = current.flowRate;
    calibration.pumpPressure = current.pumpPressure;
    calibration.lossExponent = limits.lossExponent;

    const double depth =
        limits.verticalDepth > 0
            ? limits.verticalDepth
            : finiteOrFault(current.pipeLength + current.collarLength, "verticalDepth");
    // Only an ECD limit needs a depth: without one, a string of no length is accepted and its
    // equivalent density is the mud's.
    if (!(depth > 0) && limits.maxEquivalentDensity > 0) {
        refuse(RefusalReason::DepthNotPositive, depth);
    }
    calibration.verticalDepth = depth;
    densityHead_ = finiteOrFault(kPressurePerDensityAndDepth * depth, "equivalentDensity");
    if (limits.maxEquivalentDensity > 0 && !(limits.maxEquivalentDensity > current.mudDensity)) {
        refuse(RefusalReason::EquivalentDensityNotAboveMud, limits.maxEquivalentDensity,
               current.mudDensity);
    }

    const HydraulicsResults reading = probe(currentNozzles(), current.flowRate);
    calibration.bitPressureDrop = reading.bitPressureDrop;
    if (!(current.pumpPressure > reading.bitPressureDrop)) {
        refuse(RefusalReason::PumpPressureNotAboveBitDrop, current.pumpPressure,
               reading.bitPressureDrop);
    }
    calibration.parasiticLoss =
        finiteOrFault(current.pumpPressure - reading.bitPressureDrop, "parasiticLoss");
    try {
        const double flowPower = checkedPower(current.flowRate, limits.lossExponent);
        calibration.lossCoefficient = checkedDivide(calibration.parasiticLoss, flowPower);
    } catch (const CalculationFault& fault) {
        throw fault.at("lossCoefficient");
    }
    calibration.minFlowRate = findMinFlowRate(reading);
    calibration.equivalentDensityFlowRate = findEquivalentDensityFlowRate(reading);
}

double HydraulicModel::parasiticLoss(double flow) const {
    return calibration_.parasiticLoss *
           power(flow / calibration_.flowRate, calibration_.lossExponent);
}

double HydraulicModel::availablePressure(double flow) const {
    if (limits_.maxPower > 0 && flow > 0) {
        return std::min(limits_.maxPressure, limits_.maxPower / flow);
    }
    return limits_.maxPressure;
}

double HydraulicModel::pressurePowerCorner() const {
    return limits_.maxPower > 0 ? limits_.maxPower / limits_.maxPressure
                                : std::numeric_limits<double>::infinity();
}

WindowEnd HydraulicModel::nozzleFreeUpperEnd() const {
    WindowEnd end{std::numeric_limits<double>::infinity(), Limit::None};
    if (limits_.maxFlow > 0) {
        end = {limits_.maxFlow, Limit::LinerFlow};
    }
    const auto& densityFlow = calibration_.equivalentDensityFlowRate;
    if (densityFlow && *densityFlow < end.flowRate) {
        end = {*densityFlow, Limit::EquivalentDensity};
    }
    return end;
}

HydraulicsInputs HydraulicModel::withNozzles(const NozzleDiameters& nozzles, double flow) const {
    HydraulicsInputs inputs = current_;
    const bool inFields = nozzles.count <= 3;
    inputs.nozzleDiameter1 = inFields ? nozzles.diametersMm[0] : 0;
    inputs.nozzleDiameter2 = inFields ? nozzles.diametersMm[1] : 0;
    inputs.nozzleDiameter3 = inFields ? nozzles.diametersMm[2] : 0;
    inputs.flowRate = flow;
    inputs.pumpPressure = 1;
    return inputs;
}

HydraulicsResults HydraulicModel::probe(const NozzleDiameters& nozzles, double flow) const {
    return computeHydraulics(withNozzles(nozzles, flow), nozzles.diameters());
}

// Δpb(Q) + Δp_L(Q), formed as the reading's pump pressure plus the change of each part from the
// reading, so that the reading's own flow rate and nozzles give back its pump pressure exactly.
double HydraulicModel::predictedPumpPressure(const HydraulicsResults& probe, double flow) const {
    const Calibration& calibration = calibration_;
    const double bitChange = probe.bitPressureDrop - calibration.bitPressureDrop;
    const double lossChange = parasiticLoss(flow) - calibration.parasiticLoss;
    return calibration.pumpPressure + bitChange + lossChange;
}

double HydraulicModel::equivalentDensity(const HydraulicsResults& probe) const {
    if (densityHead_ == 0) {
        return current_.mudDensity;  // no string, no annulus: nothing adds to the mud
    }
    return current_.mudDensity + probe.annularPressureLoss / densityHead_;
}

Limit HydraulicModel::brokenUpperLimit(const HydraulicsResults& probe, double flow) const {
    const double pressure = predictedPumpPressure(probe, flow);
    if (!std::isfinite(pressure) || pressure > limits_.maxPressure) {
        return Limit::PumpPressure;
    }
    if (limits_.maxPower > 0 && !(pressure * flow <= limits_.maxPower)) {
        return Limit::PumpPower;
    }
    if (limits_.maxFlow > 0 && flow > limits_.maxFlow) {
        return Limit::LinerFlow;
    }
    if (limits_.maxEquivalentDensity > 0 &&
        !(equivalentDensity(probe) <= limits_.maxEquivalentDensity)) {
        return Limit::EquivalentDensity;
    }
    return Limit::None;
}

double HydraulicModel::slowerAnnularVelocity(const HydraulicsResults& probe) const {
    // The program keeps annular velocities in hundredths of m/s.
    double slower = std::numeric_limits<double>::infinity();
    if (current_.pipeLength > 0) {
        slower = probe.annularVelocityPipe * 100;
    }
    if (current_.collarLength > 0) {
        slower = std::min(slower, probe.annularVelocityCollar * 100);
    }
    return slower;
}

bool HydraulicModel::cleansHole(const HydraulicsResults& probe) const {
    return slowerAnnularVelocity(probe) >= limits_.minAnnularVelocity;
}

double HydraulicModel::findMinFlowRate(const HydraulicsResults& reading) const {
    const double velocity = slowerAnnularVelocity(reading);
    if (limits_.minAnnularVelocity == 0 || velocity == std::numeric_limits<double>::infinity()) {
        return 0;
    }
    const double guess =
        finiteOrFault(limits_.minAnnularVelocity * current_.flowRate / velocity, "minFlowRate");
    // The velocity is proportional to the flow rate, so the guess is off by a few bits at most.
    const double high = guess + guess * 1e-9;
    const auto nozzles = currentNozzles();
    return smallestHolding(0.0, high, guess,
                           [&](double flow) { return cleansHole(probe(nozzles, flow)); });
}

std::optional<double> HydraulicModel::findEquivalentDensityFlowRate(
    const HydraulicsResults& reading) const {
    if (limits_.maxEquivalentDensity == 0 || !(reading.annularPressureLoss > 0)) {
        return std::nullopt;  // no limit, or an annulus that adds no pressure
    }
    const auto nozzles = currentNozzles();
    // Δpa grows as a power of Q: read its exponent off the program's figures at Q0 and Q0/2,
    // then invert Δpa(Q) = (ρ_max − ρ)·0.009806·H from the reading.
    const double flow = current_.flowRate;
    const double halfLoss = probe(nozzles, flow / 2).annularPressureLoss;
    const double exponent = binaryLogarithm(reading.annularPressureLoss / halfLoss);
    const double allowance = (limits_.maxEquivalentDensity - current_.mudDensity) * densityHead_;
    double guess = flow * power(allowance / reading.annularPressureLoss, 1 / exponent);
    if (!std::isfinite(guess) || !(guess > 0)) {
        guess = flow;
    }
    return largestHolding(0.0, std::numeric_limits<double>::infinity(), guess, [&](double q) {
        return holdsComputably(
            [&] { return equivalentDensity(probe(nozzles, q)) <= limits_.maxEquivalentDensity; });
    });
}

OperatingPoint HydraulicModel::predict(const NozzleDiameters& nozzles, double flow) const {
    OperatingPoint point;
    point.inputs = withNozzles(nozzles, flow);
    point.nozzles = nozzles;
    const HydraulicsResults probeResults = computeHydraulics(point.inputs, nozzles.diameters());
    point.parasiticLoss = finiteOrFault(parasiticLoss(flow), "parasiticLoss");
    point.inputs.pumpPressure =
        finiteOrFault(predictedPumpPressure(probeResults, flow), "pumpPressure");
    point.pumpPower = finiteOrFault(point.inputs.pumpPressure * flow, "pumpPower");
    point.availablePressure = availablePressure(flow);
    point.equivalentDensity = finiteOrFault(equivalentDensity(probeResults), "equivalentDensity");
    return point;
}

void HydraulicModel::complete(OperatingPoint& point) const {
    point.results = computeHydraulics(point.inputs, point.nozzles.diameters());
    point.criterionValue = criterionValue(limits_.criterion, point.results);
}

OperatingPoint HydraulicModel::evaluate(const NozzleDiameters& nozzles, double flow) const {
    OperatingPoint point = predict(nozzles, flow);
    complete(point);
    return point;
}

double criterionValue(Criterion criterion, const HydraulicsResults& results) {
    switch (criterion) {
        case Criterion::BitHydraulicPower:
            return results.bitHydraulicPower;
        case Criterion::ImpactForce:
            return results.impactForce;
        case Criterion::JetVelocity:
            return results.jetVelocity;
    }
    return 0;
}

}  // namespace bithydraulics::optimize
