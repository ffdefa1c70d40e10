// The whole optimisation of the worked example (the default set-up with 18 MPa, 720 kW, 0.6 m/s,
// 1.30 g/cm³ over 2000 m, three nozzles of the 1/32 in series), with spread 1 and with any
// spread, and the flow-range table of 101 rows for a chart.
#include <benchmark/benchmark.h>

#include "optimize/optimizer.h"
#include "tests/optimize/reference_model.h"

namespace {

using namespace bithydraulics;
using namespace bithydraulics::optimize;

// The worked example's set-up and limits, as the optimiser's tests hold them.
HydraulicsInputs setUp() {
    return testing::defaultSetUp();
}

OptimizationLimits limits(Criterion criterion, std::optional<int> spread) {
    OptimizationLimits limits = testing::workedExampleLimits();
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
