#pragma once

#include <string>

#include "calc/hydraulics.h"
#include "optimize/results.h"

// The optimiser's answer in the windows' words (UTF-8). Figures are shown as the program shows
// its results ("###0.00"), the loss coefficient to six significant digits.
namespace bithydraulics {

// "喷嘴 15、16、0 mm，排量 30.00 L/s，泵压 13.00 MPa": the reading the optimiser calibrates on.
std::string setUpText(const HydraulicsInputs& setUp);

// "K = 0.0157499 MPa/(L/s)^1.86，当前循环压耗 8.80 MPa": the losses outside the bit.
std::string calibrationText(const optimize::Calibration& calibration);

// "14.38 – 35.32 L/s（下限：携岩，上限：当量循环密度）", or which limits leave no flow rate.
std::string operatingWindowText(const optimize::OperatingWindow& window);

// The continuous optimum: flow rate, bit pressure drop and its share of the pump pressure, the
// nozzle area and the equal nozzles it makes, the criterion's figure and the limit that holds
// it.
std::string optimumText(const optimize::OptimizationResult& result);

// "21.30 – 29.06 L/s": the flow rates keeping 95 % of the optimum.
std::string bandText(const optimize::FlowBand& band);

// "保持最优排量、面积取大一档的 11-11-12/32 英寸：占最优的 99.1%"; empty without such a set.
std::string roundedUpText(const optimize::OptimizationResult& result);

// What the current nozzles give at the set-up's own flow rate against the optimum:
// "钻头水功率 125.85 kW，为最优的 57.6%"; empty when the set-up's figures do not compute.
std::string currentAgainstOptimumText(const HydraulicsInputs& setUp,
                                      const optimize::OptimizationResult& result);

// The nozzles of a set in mm, "8.73-8.73-9.53".
std::string nozzleSizesMm(const optimize::NozzleSet& set);

// The same in 1/32 in, "11-11-12"; empty for a series in mm.
std::string nozzleSizesInch(const optimize::NozzleSet& set);

// A share as a percentage with one decimal, "99.9%".
std::string percentText(double fraction);

}  // namespace bithydraulics
