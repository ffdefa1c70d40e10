// The whole optimisation of the worked example (the default set-up with 18 MPa, 720 kW, 0.6 m/s,
// 1.30 g/cm³ over 2000 m, three nozzles of the 1/32 in series), with spread 1 and with any
// spread, and the flow-range table of 101 rows for a chart.
#include <benchmark/benchmark.h>

#include "optimize/optimizer.h"

namespace {

using namespace bithydraulics;
using namespace bithydraulics::optimize;

HydraulicsInputs setUp() {
    return {15, 16, 0, 30, 1.2, 216, 127, 165, 1820, 180, 13};
}

OptimizationLimits limits(Criterion criterion, std::optional<int> spread) {
    OptimizationLimits limits;
    limits.maxPressure = 18;
    limits.maxPower = 720;
    limits.minAnnularVelocity = 0.6;
    limits.maxEquivalentDensity = 1.30;
    limits.verticalDepth = 2000;
    limits.criterion = criterion;
    limits.spread = spread;
    return limits;
}

void BM_OptimizeSpread1(benchmark::State& state) {
    const auto given = limits(Criterion::BitHydraulicPower, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(optimizeHydraulics(setUp(), given));
    }
}
BENCHMARK(BM_OptimizeSpread1)->Unit(benchmark::kMicrosecond);

void BM_OptimizeSpreadAny(benchmark::State& state) {
    const auto given = limits(Criterion::BitHydraulicPower, std::nullopt);
    for (auto _ : state) {
        benchmark::DoNotOptimize(optimizeHydraulics(setUp(), given));
    }
}
BENCHMARK(BM_OptimizeSpreadAny)->Unit(benchmark::kMicrosecond);

void BM_OptimizeImpactSpreadAny(benchmark::State& state) {
    const auto given = limits(Criterion::ImpactForce, std::nullopt);
    for (auto _ : state) {
        benchmark::DoNotOptimize(optimizeHydraulics(setUp(), given));
    }
}
BENCHMARK(BM_OptimizeImpactSpreadAny)->Unit(benchmark::kMicrosecond);

void BM_FlowRange101(benchmark::State& state) {
    const auto given = limits(Criterion::BitHydraulicPower, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeFlowRange(setUp(), given, 101));
    }
}
BENCHMARK(BM_FlowRange101)->Unit(benchmark::kMicrosecond);

}  // namespace
