#include "behaviour/answer_texts.h"

#include <cstdio>
#include <vector>

#include "behaviour/figure_text.h"
#include "optimize/hydraulic_model.h"
#include "optimize/texts.h"
#include "platform/calculation_fault.h"

namespace bithydraulics {
namespace {

using optimize::Language;

std::string words(std::string_view text) {
    return std::string(text);
}

template <class Sizes>
std::string joined(const Sizes& sizes) {
    std::string text;
    for (const std::string& size : sizes) {
        text += (text.empty() ? "" : "-") + size;
    }
    return text;
}

}  // namespace

std::string percentText(double fraction) {
    return withDecimals(fraction * 100, 1) + "%";
}

std::string setUpText(const HydraulicsInputs& setUp) {
    return "喷嘴 " + shortest(setUp.nozzleDiameter1) + "、" + shortest(setUp.nozzleDiameter2) +
           "、" + shortest(setUp.nozzleDiameter3) + " mm，排量 " + fixed2(setUp.flowRate) +
           " L/s，泵压 " + fixed2(setUp.pumpPressure) + " MPa";
}

std::string calibrationText(const optimize::Calibration& calibration) {
    char coefficient[32];
    std::snprintf(coefficient, sizeof coefficient, "%.6g", calibration.lossCoefficient);
    return "K = " + std::string(coefficient) + " MPa/(L/s)^" + shortest(calibration.lossExponent) +
           "，当前循环压耗 " + fixed2(calibration.parasiticLoss) + " MPa（泵压 " +
           fixed2(calibration.pumpPressure) + " − 钻头压降 " + fixed2(calibration.bitPressureDrop) +
           "）";
}

std::string operatingWindowText(const optimize::OperatingWindow& window) {
    if (window.contradiction) {
        return "没有可用的排量：" +
               optimize::describeContradiction(*window.contradiction, Language::SimplifiedChinese);
    }
    return fixed2(window.lower.flowRate) + " – " + fixed2(window.upper.flowRate) + " L/s（下限：" +
           words(optimize::limitName(window.lower.limit, Language::SimplifiedChinese)) +
           "，上限：" +
           words(optimize::limitName(window.upper.limit, Language::SimplifiedChinese)) + "）";
}

std::string optimumText(const optimize::OptimizationResult& result) {
    const optimize::ContinuousOptimum& optimum = result.optimum;
    const HydraulicsResults& figures = optimum.point.results;
    return "排量 " + fixed2(optimum.point.flowRate()) + " L/s，钻头压降 " +
           fixed2(figures.bitPressureDrop) + " MPa（占泵压 " +
           fixed2(optimum.point.pumpPressure()) + " MPa 的 " +
           percentText(figures.powerUtilization) + "）\n喷嘴总面积 " + fixed2(figures.nozzleArea) +
           " mm²，当量直径 " + std::to_string(optimum.nozzleCount) + " × " +
           fixed2(optimum.idealNozzleDiameter) + " mm\n" +
           words(optimize::criterionName(result.criterion, Language::SimplifiedChinese)) + " " +
           fixed2(optimum.point.criterionValue) + " " +
           words(optimize::criterionUnit(result.criterion)) + "（" +
           words(optimize::regimeName(optimum.regime, Language::SimplifiedChinese)) + "）";
}

std::string bandText(const optimize::FlowBand& band) {
    return fixed2(band.lower) + " – " + fixed2(band.upper) + " L/s";
}

std::string roundedUpText(const optimize::OptimizationResult& result) {
    if (!result.roundedUpSet) {
        return {};
    }
    const optimize::RankedSet& set = *result.roundedUpSet;
    const std::string inch = nozzleSizesInch(set.nozzles);
    const std::string sizes = inch.empty() ? nozzleSizesMm(set.nozzles) + " mm" : inch + "/32 英寸";
    return "保持最优排量、面积取大一档的 " + sizes + "：占最优的 " +
           percentText(set.shareOfOptimum);
}

std::string currentAgainstOptimumText(const HydraulicsInputs& setUp,
                                      const optimize::OptimizationResult& result) {
    const double optimum = result.optimum.point.criterionValue;
    try {
        const double current = optimize::criterionValue(result.criterion, computeHydraulics(setUp));
        std::string text =
            words(optimize::criterionName(result.criterion, Language::SimplifiedChinese)) + " " +
            fixed2(current) + " " + words(optimize::criterionUnit(result.criterion));
        if (optimum > 0) {
            text += "，为最优的 " + percentText(current / optimum);
        }
        return text;
    } catch (const CalculationFault&) {
        return {};
    }
}

std::string nozzleSizesMm(const optimize::NozzleSet& set) {
    std::vector<std::string> sizes;
    for (int i = 0; i < set.count; ++i) {
        sizes.push_back(fixed2(set.diametersMm.at(static_cast<std::size_t>(i))));
    }
    return joined(sizes);
}

std::string nozzleSizesInch(const optimize::NozzleSet& set) {
    std::vector<std::string> sizes;
    for (int i = 0; i < set.count; ++i) {
        const int k = set.thirtySecondsInch.at(static_cast<std::size_t>(i));
        if (k == 0) {
            return {};
        }
        sizes.push_back(std::to_string(k));
    }
    return joined(sizes);
}

}  // namespace bithydraulics
