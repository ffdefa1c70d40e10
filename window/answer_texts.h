#pragma once

#include <QString>

#include "calc/hydraulics.h"
#include "optimize/results.h"

// The optimiser's answer in the window's words. Figures are shown as the program shows its
// results ("###0.00"), the loss coefficient to six significant digits.
namespace bithydraulics {

// "喷嘴 15、16、0 mm，排量 30.00 L/s，泵压 13.00 MPa": the reading the optimiser calibrates on.
QString setUpText(const HydraulicsInputs& setUp);

// "K = 0.0157499 MPa/(L/s)^1.86，当前循环压耗 8.80 MPa": the losses outside the bit.
QString calibrationText(const optimize::Calibration& calibration);

// "14.38 – 35.32 L/s（下限：携岩，上限：当量循环密度）", or which limits leave no flow rate.
QString operatingWindowText(const optimize::OperatingWindow& window);

// The continuous optimum: flow rate, bit pressure drop and its share of the pump pressure, the
// nozzle area and the equal nozzles it makes, the criterion's figure and the limit that holds
// it.
QString optimumText(const optimize::OptimizationResult& result);

// "21.30 – 29.06 L/s": the flow rates keeping 95 % of the optimum.
QString bandText(const optimize::FlowBand& band);

// The nozzles of a set in mm, "8.73-8.73-9.53".
QString nozzleSizesMm(const optimize::NozzleSet& set);

// The same in 1/32 in, "11-11-12"; empty for a series in mm.
QString nozzleSizesInch(const optimize::NozzleSet& set);

}  // namespace bithydraulics
