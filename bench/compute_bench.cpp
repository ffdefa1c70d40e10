// The compute command on the defaults, each of its stages alone, and the floor: the same three
// stages done plainly (from_chars ×11, the formulas unchecked, to_chars at 15 digits ×9).
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"

namespace {

using namespace bithydraulics;

void BM_ComputeCommandDefaults(benchmark::State& state) {
    InMemoryFieldArray fields;
    CalculationState calculation;
    for (auto _ : state) {
        runComputeCommand(fields, calculation);
        benchmark::DoNotOptimize(fields.text(19).data());
    }
}
BENCHMARK(BM_ComputeCommandDefaults);

void BM_StageReadInputs(benchmark::State& state) {
    const InMemoryFieldArray fields;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readInputs(fields));
    }
}
BENCHMARK(BM_StageReadInputs);

void BM_StageComputeHydraulics(benchmark::State& state) {
    const HydraulicsInputs inputs = readInputs(InMemoryFieldArray());
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeHydraulics(inputs));
    }
}
BENCHMARK(BM_StageComputeHydraulics);

void BM_StageFormResultTexts(benchmark::State& state) {
    const HydraulicsResults results = computeHydraulics(readInputs(InMemoryFieldArray()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(formResultTexts(results));
    }
}
BENCHMARK(BM_StageFormResultTexts);

// The floor: the least any implementation of the three stages must do.
void BM_FloorPlainStages(benchmark::State& state) {
    std::array<std::string, 11> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kInputQuantities[i].defaultText;
    }
    for (auto _ : state) {
        std::array<double, 11> x{};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            std::from_chars(texts[i].data(), texts[i].data() + texts[i].size(), x[i]);
        }
        benchmark::DoNotOptimize(x);
        const double a0 = 0.785 * (x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
        const double dpb = 553.798 * x[4] * (x[3] / a0) * (x[3] / a0);
        const double q186 = std::pow(x[3], 1.86);
        const std::array<double, 9> r{
            dpb,
            dpb * x[3],
            1273 * dpb * x[3] / (x[5] * x[5]),
            42.433 * x[3] * std::sqrt(x[4] * dpb),
            1000 * x[3] / a0,
            1274 * x[3] / (x[5] * x[5] - x[6] * x[6]),
            1274 * x[3] / (x[5] * x[5] - x[7] * x[7]),
            100 * dpb / x[10],
            9806 * x[4] * q186 *
                (7.14 * x[8] / (std::pow(x[5] - x[6], 3) * std::pow(x[5] + x[6], 2)) +
                 6.78 * x[9] / (std::pow(x[5] - x[7], 3) * std::pow(x[5] + x[7], 2)))};
        std::array<std::array<char, 32>, 9> out;
        for (std::size_t i = 0; i < r.size(); ++i) {
            std::to_chars(out[i].data(), out[i].data() + out[i].size(), r[i],
                          std::chars_format::scientific, 14);
        }
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_FloorPlainStages);

}  // namespace
