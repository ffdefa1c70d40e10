// The whole optimisation of the worked example (the default set-up with 18 MPa, 720 kW, 0.6 m/s,
// 1.30 g/cm³ over 2000 m, three nozzles of the 1/32 in series), with spread 1 and with any
// spread; the same for bits of six and nine nozzles, and for three and twelve nozzles of a list of
// 64 sizes in mm with any spread; and the flow-range table of 101 rows for a chart. Each answer
// is to come within 50 ms.
#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

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

// Bits of many nozzles: state.range(0) nozzles, spread 1 (range(1) = 1) or any (range(1) = 0).
void BM_OptimizeManyNozzles(benchmark::State& state) {
    auto given = limits(Criterion::BitHydraulicPower,
                        state.range(1) == 1 ? std::optional<int>(1) : std::nullopt);
    given.nozzleCount = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(optimizeHydraulics(setUp(), given));
    }
}
BENCHMARK(BM_OptimizeManyNozzles)
    ->ArgNames({"nozzles", "spread1"})
    ->Args({6, 1})
    ->Args({6, 0})
    ->Args({9, 1})
    ->Args({9, 0})
    ->Unit(benchmark::kMillisecond);

// 64 sizes in mm, 4 to 35.5 mm by halves, any spread: the largest series there is.
void BM_Optimize64SizesSpreadAny(benchmark::State& state) {
    auto given = limits(Criterion::BitHydraulicPower, std::nullopt);
    std::vector<double> sizes;
    for (int i = 0; i < 64; ++i) {
        sizes.push_back(4 + 0.5 * i);
    }
    given.series = NozzleSeries::millimetres(sizes);
    given.nozzleCount = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(optimizeHydraulics(setUp(), given));
    }
}
BENCHMARK(BM_Optimize64SizesSpreadAny)
    ->ArgName("nozzles")
    ->Arg(3)
    ->Arg(6)
    ->Arg(12)
    ->Unit(benchmark::kMillisecond);

void BM_FlowRange101(benchmark::State& state) {
    const auto given = limits(Criterion::BitHydraulicPower, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeFlowRange(setUp(), given, 101));
    }
}
BENCHMARK(BM_FlowRange101)->Unit(benchmark::kMicrosecond);

}  // namespace
