#pragma once

#include "cli/command.h"
#include "cli/optimizer_options.h"
#include "optimize/results.h"

namespace bithydraulics::cli {

// optimize [NAME=TEXT ...] --max-pressure MPa [limits] [choices]: the best flow rate and nozzle
// set for the current set-up within the limits. Writes the calibration, the operating window of
// the current nozzles, the continuous optimum with its 95 % band, the best real sets and the
// usual way beside them:
//  - Table: sections of aligned figures with their units, the sets as a table of rows.
//  - Json: one object, the optimiser's figures as numbers, the program's display texts as
//    strings, limits and regimes by stable names.
// Returns kExitComputed; a set-up or limits that cannot be optimised, or a fault of the
// arithmetic, end the run as endForRefusal and answer() say.
CLI::App* declareOptimize(CLI::App& program, Options& options);
int runOptimize(const Options& options, Streams& streams);

// The JSON object of an optimisation (optimize_json.cpp).
void writeOptimizationJson(const SetUp& setUp, const optimize::OptimizationLimits& limits,
                           const optimize::OptimizationResult& result, OutputBuffer& out);

}  // namespace bithydraulics::cli
