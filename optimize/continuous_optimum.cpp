#include "optimize/continuous_optimum.h"

#include <cmath>
#include <limits>
#include <vector>

#include "optimize/boundary_search.h"
#include "optimize/refusal.h"
#include "platform/elementary_functions.h"

// With the nozzle area free, the bit takes whatever the pump may deliver beyond the parasitic
// loss: Δpb(Q) = p(Q) − K·Q^m. Each criterion is then a power of
//     φ(Q) = Q^a·Δpb(Q):
// the bit hydraulic power Pb = Δpb·Q is φ with a = 1; the impact force F = 42.433·Q·√(ρ·Δpb)
// is proportional to √φ with a = 2; the jet velocity vj = 1000·√(Δpb/(553.798·ρ)) to √φ with
// a = 0. So each criterion is greatest where φ is.
//
// Below the flow rate Qc = N_r/p_r the pump is held by its pressure, φ = p_r·Q^a − K·Q^(a+m),
// greatest where K·Q^m = a·p_r/(a+m):
//     Q_A = (a·p_r/((a+m)·K))^(1/m),
// where the bit takes m/(m+1) of the pump pressure for power and m/(m+2) for impact (the
// parasitic loss 1/(m+1) and 2/(m+2)); the jet velocity falls with every litre (a = 0).
// Above Qc the pump is held by its power, φ = N_r·Q^(a−1) − K·Q^(a+m): power falls with the flow
// rate there, and impact is greatest at
//     Q_B = (N_r/((m+2)·K))^(1/(m+1)),
// where the pump pressure is below p_r. Each piece rises to its stationary point and falls
// after it, so the best flow rate in a range is that point held within the range; the optimum
// is the best of the two pieces' within [Q_min, the lowest upper limit].
namespace bithydraulics::optimize {
namespace {

int criterionPower(Criterion criterion) {
    switch (criterion) {
        case Criterion::BitHydraulicPower:
            return 1;
        case Criterion::ImpactForce:
            return 2;
        case Criterion::JetVelocity:
            return 0;
    }
    return 1;
}

// The share of φ's optimum that keeps 95 % of the criterion: the power is φ itself, impact and
// jet velocity go as √φ.
double bandShareOfPhi(Criterion criterion) {
    return criterion == Criterion::BitHydraulicPower ? 0.95 : 0.95 * 0.95;
}

[[noreturn]] void refuseContradiction(const OptimizationLimits& limits, double lowerFlow,
                                      const WindowEnd& upper) {
    Refusal refusal;
    refusal.reason = RefusalReason::LimitsContradict;
    Contradiction& contradiction = refusal.contradiction;
    contradiction.lower = Limit::HoleCleaning;
    contradiction.upper = upper.limit;
    contradiction.lowerFlow = lowerFlow;
    contradiction.upperFlow = upper.flowRate;
    contradiction.lowerSetting = limits.minAnnularVelocity;
    contradiction.upperSetting = limitSetting(limits, upper.limit);
    throw OptimizationRefused(refusal);
}

struct Candidate {
    double flow;
    OptimumRegime regime;
};

class Optimizer {
  public:
    explicit Optimizer(const HydraulicModel& model)
        : model_(model),
          limits_(model.limits()),
          a_(criterionPower(limits_.criterion)),
          m_(limits_.lossExponent),
          q0_(model.calibration().flowRate),
          l0_(model.calibration().parasiticLoss) {}

    ContinuousOptimum find() {
        if (a_ == 0 && limits_.minAnnularVelocity == 0) {
            // The jet is fastest with no flow through no area: nothing to recommend.
            Refusal refusal;
            refusal.reason = RefusalReason::JetVelocityWithoutHoleCleaning;
            throw OptimizationRefused(refusal);
        }
        findRange();
        const Candidate best = bestCandidate();
        ContinuousOptimum optimum;
        optimum.regime = best.regime;
        optimum.band95 = band(best.flow);
        evaluateIdealNozzles(best.flow, optimum);
        return optimum;
    }

  private:
    double phi(double q) const {
        return power(q, a_) * (model_.availablePressure(q) - model_.parasiticLoss(q));
    }

    // The flow rate at which the parasitic loss alone takes all the pump may deliver: K·Q^m = p_r,
    // or, beyond Qc, K·Q^(m+1) = N_r.
    WindowEnd noBitDropFlow() const {
        WindowEnd end{q0_ * power(limits_.maxPressure / l0_, 1 / m_), Limit::PumpPressure};
        if (end.flowRate > corner_) {
            end = {q0_ * power(limits_.maxPower / (l0_ * q0_), 1 / (m_ + 1)), Limit::PumpPower};
        }
        return end;
    }

    void findRange() {
        low_ = model_.calibration().minFlowRate;
        corner_ = model_.pressurePowerCorner();
        upperEnd_ = model_.nozzleFreeUpperEnd();
        const WindowEnd pumpEnd = noBitDropFlow();
        // The tighter upper limit is the one that contradicts hole cleaning first.
        if (upperEnd_.flowRate < low_ && !(pumpEnd.flowRate < upperEnd_.flowRate)) {
            refuseContradiction(limits_, low_, upperEnd_);
        }
        if (!(pumpEnd.flowRate > low_)) {
            refuseContradiction(limits_, low_, pumpEnd);
        }
        if (pumpEnd.flowRate < upperEnd_.flowRate) {
            upperEnd_ = pumpEnd;
        }
        high_ = upperEnd_.flowRate;
    }

    OptimumRegime regimeAt(double q, OptimumRegime inside) const {
        if (q == low_) {
            return OptimumRegime::HoleCleaning;
        }
        if (q == corner_) {
            return OptimumRegime::PumpPressureAndPower;
        }
        if (q == high_) {
            switch (upperEnd_.limit) {
                case Limit::LinerFlow:
                    return OptimumRegime::LinerFlow;
                case Limit::EquivalentDensity:
                    return OptimumRegime::EquivalentDensity;
                default:
                    break;
            }
        }
        return inside;
    }

    // The stationary point `q` of one piece, held within [from, to].
    Candidate within(double q, double from, double to, OptimumRegime inside) const {
        const double held = std::fmin(std::fmax(q, from), to);
        return {held, held == q ? inside : regimeAt(held, inside)};
    }

    Candidate bestCandidate() const {
        std::vector<Candidate> candidates;
        const double pressureTo = std::fmin(high_, corner_);
        if (low_ <= pressureTo) {
            const double stationary =
                a_ == 0 ? 0 : q0_ * power(a_ * limits_.maxPressure / ((a_ + m_) * l0_), 1 / m_);
            candidates.push_back(within(stationary, low_, pressureTo, OptimumRegime::PumpPressure));
        }
        const double powerFrom = std::fmax(low_, corner_);
        if (corner_ < std::numeric_limits<double>::infinity() && powerFrom <= high_) {
            const double stationary =
                a_ == 2 ? q0_ * power(limits_.maxPower / ((m_ + 2) * l0_ * q0_), 1 / (m_ + 1)) : 0;
            candidates.push_back(within(stationary, powerFrom, high_, OptimumRegime::PumpPower));
        }
        Candidate best = candidates.front();
        for (const Candidate& candidate : candidates) {
            if (phi(candidate.flow) > phi(best.flow)) {
                best = candidate;
            }
        }
        return best;
    }

    FlowBand band(double best) const {
        const double threshold = phi(best) * bandShareOfPhi(limits_.criterion);
        const auto keeps = [&](double q) { return phi(q) >= threshold; };
        FlowBand band;
        band.lower = keeps(low_) ? low_ : smallestHolding(low_, best, best, keeps);
        band.upper = keeps(high_) ? high_ : largestHolding(best, high_, best, keeps);
        return band;
    }

    // Equal nozzles whose area gives the bit Δpb = p(Q) − K·Q^m at Q: the program's bit drop
    // goes as 1/A², that is as 1/d⁴, so from its figure for nozzles of 1 mm the diameter is
    // (Δpb(1 mm)/Δpb)^(1/4). The area it needs is A* = Q·√(553.798·ρ/Δpb).
    void evaluateIdealNozzles(double flow, ContinuousOptimum& optimum) const {
        NozzleDiameters nozzles;
        nozzles.count = limits_.nozzleCount;
        for (int i = 0; i < limits_.nozzleCount; ++i) {
            nozzles.diametersMm[static_cast<std::size_t>(i)] = 1;
        }
        const double unitDrop = model_.probe(nozzles, flow).bitPressureDrop;
        const double bitDrop = model_.availablePressure(flow) - model_.parasiticLoss(flow);
        const double diameter = power(unitDrop / bitDrop, 0.25);
        if (!std::isfinite(diameter) || !(diameter > 0)) {
            throw CalculationFault(FaultKind::Overflow, "nozzleArea");
        }
        for (int i = 0; i < limits_.nozzleCount; ++i) {
            nozzles.diametersMm[static_cast<std::size_t>(i)] = diameter;
        }
        optimum.nozzleCount = limits_.nozzleCount;
        optimum.idealNozzleDiameter = diameter;
        const std::vector<double>& sizes = limits_.series.diametersMm;
        optimum.idealOutsideSeries = diameter < sizes.front() || diameter > sizes.back();
        optimum.point = model_.evaluate(nozzles, flow);
    }

    const HydraulicModel& model_;
    const OptimizationLimits& limits_;
    const int a_;
    const double m_;
    const double q0_;
    const double l0_;
    double low_ = 0;
    double high_ = 0;
    double corner_ = std::numeric_limits<double>::infinity();
    WindowEnd upperEnd_;
};

}  // namespace

ContinuousOptimum findContinuousOptimum(const HydraulicModel& model) {
    return Optimizer(model).find();
}

}  // namespace bithydraulics::optimize
