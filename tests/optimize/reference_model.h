#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"

// The tests' own reading of the optimiser's model, written straight from its statement (K·Q^m
// as written, ECD with the program's annular loss, the criteria's formulas) so that the
// optimiser's closed forms and searches are checked against something they do not share.
namespace bithydraulics::optimize::testing {

inline HydraulicsInputs defaultSetUp() {
    return {15, 16, 0, 30, 1.2, 216, 127, 165, 1820, 180, 13};
}

// The limits of the worked example: defaults with 18 MPa, 720 kW, 0.6 m/s, 1.30 g/cm³, 2000 m.
inline OptimizationLimits workedExampleLimits() {
    OptimizationLimits limits;
    limits.maxPressure = 18;
    limits.maxPower = 720;
    limits.minAnnularVelocity = 0.6;
    limits.maxEquivalentDensity = 1.30;
    limits.verticalDepth = 2000;
    return limits;
}

// A random everyday set-up whose pump pressure exceeds its bit pressure drop.
inline HydraulicsInputs randomSetUp(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    const auto between = [&](double low, double high) { return low + (high - low) * unit(random); };
    HydraulicsInputs in;
    in.nozzleDiameter1 = between(6, 20);
    in.nozzleDiameter2 = between(6, 20);
    in.nozzleDiameter3 = unit(random) < 0.3 ? 0 : between(6, 20);
    in.flowRate = between(5, 60);
    in.mudDensity = between(1.0, 2.2);
    in.holeDiameter = between(150, 320);
    in.pipeDiameter = between(60, in.holeDiameter - 10);
    in.collarDiameter = between(60, in.holeDiameter - 8);
    in.pipeLength = between(300, 6000);
    in.collarLength = between(0, 300);
    in.pumpPressure = 1;  // a placeholder: only the power utilisation depends on it
    in.pumpPressure = computeHydraulics(in).bitPressureDrop * between(1.05, 6);
    return in;
}

// Random limits around the set-up's own reading: each limit sometimes off, sometimes binding.
inline OptimizationLimits randomLimits(std::mt19937_64& random, const HydraulicsInputs& in) {
    std::uniform_real_distribution<double> unit(0, 1);
    const auto between = [&](double low, double high) { return low + (high - low) * unit(random); };
    const auto sometimes = [&](double chance) { return unit(random) < chance; };
    OptimizationLimits limits;
    limits.maxPressure = in.pumpPressure * between(0.6, 2.0);
    limits.maxPower = sometimes(0.5) ? limits.maxPressure * in.flowRate * between(0.4, 1.5) : 0;
    limits.maxFlow = sometimes(0.4) ? in.flowRate * between(0.5, 1.8) : 0;
    limits.minAnnularVelocity = sometimes(0.2) ? 0 : between(0.2, 1.2);
    limits.maxEquivalentDensity = sometimes(0.5) ? in.mudDensity + between(0.02, 0.4) : 0;
    limits.verticalDepth = sometimes(0.5) ? between(500, 5000) : 0;
    limits.lossExponent = between(1.3, 2.4);
    const int criterion = std::uniform_int_distribution<int>(0, 2)(random);
    limits.criterion = static_cast<Criterion>(criterion);
    if (limits.criterion == Criterion::JetVelocity && limits.minAnnularVelocity == 0) {
        limits.minAnnularVelocity = 0.5;
    }
    limits.nozzleCount = std::uniform_int_distribution<int>(1, 3)(random);
    const int spread = std::uniform_int_distribution<int>(0, 3)(random);
    limits.spread = spread == 3 ? std::nullopt : std::optional<int>(spread);
    if (sometimes(0.3)) {
        std::vector<double> sizes(std::uniform_int_distribution<std::size_t>(3, 15)(random));
        for (double& size : sizes) {
            size = between(4, 30);
        }
        std::sort(sizes.begin(), sizes.end());
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        limits.series = NozzleSeries::millimetres(sizes);
    }
    limits.topCount = std::uniform_int_distribution<int>(1, 12)(random);
    return limits;
}

class ReferenceModel {
  public:
    ReferenceModel(const HydraulicsInputs& current, const OptimizationLimits& limits)
        : current_(current), limits_(limits) {
        const double bitDrop = computeHydraulics(current).bitPressureDrop;
        k_ = (current.pumpPressure - bitDrop) / std::pow(current.flowRate, limits.lossExponent);
        depth_ = limits.verticalDepth > 0 ? limits.verticalDepth
                                          : current.pipeLength + current.collarLength;
    }

    double k() const { return k_; }
    double parasiticLoss(double q) const { return k_ * std::pow(q, limits_.lossExponent); }

    double available(double q) const {
        return limits_.maxPower > 0 && q > 0 ? std::min(limits_.maxPressure, limits_.maxPower / q)
                                             : limits_.maxPressure;
    }

    HydraulicsResults at(const HydraulicsInputs& inputs) const { return computeHydraulics(inputs); }

    HydraulicsInputs withFlow(double q) const {
        HydraulicsInputs inputs = current_;
        inputs.flowRate = q;
        return inputs;
    }

    double equivalentDensity(double annularLoss) const {
        return current_.mudDensity + annularLoss / (0.009806 * depth_);
    }

    // Whether q meets hole cleaning, the liner and the ECD limit (the limits no nozzle changes).
    bool flowAllowed(double q) const {
        const HydraulicsResults r = computeHydraulics(withFlow(q));
        const double slower = std::min(r.annularVelocityPipe, r.annularVelocityCollar) * 100;
        if (slower < limits_.minAnnularVelocity * (1 - 1e-12)) {
            return false;
        }
        if (limits_.maxFlow > 0 && q > limits_.maxFlow) {
            return false;
        }
        return limits_.maxEquivalentDensity == 0 ||
               equivalentDensity(r.annularPressureLoss) <= limits_.maxEquivalentDensity;
    }

    // The criterion with the nozzle area free at q: the bit takes all that is left.
    double idealCriterion(double q) const {
        const double bitDrop = available(q) - parasiticLoss(q);
        if (!(bitDrop > 0)) {
            return 0;
        }
        switch (limits_.criterion) {
            case Criterion::BitHydraulicPower:
                return bitDrop * q;
            case Criterion::ImpactForce:
                return 42.433 * q * std::sqrt(current_.mudDensity * bitDrop);
            case Criterion::JetVelocity:
                return 1000 * std::sqrt(bitDrop / (553.798 * current_.mudDensity));
        }
        return 0;
    }

  private:
    HydraulicsInputs current_;
    OptimizationLimits limits_;
    double k_ = 0;
    double depth_ = 0;
};

}  // namespace bithydraulics::optimize::testing
