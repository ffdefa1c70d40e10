#pragma once

#include "cli/command.h"
#include "cli/optimizer_options.h"
#include "optimize/results.h"

namespace bithydraulics::cli {

// The JSON object of an optimisation (optimize_json.cpp).
void writeOptimizationJson(const SetUp& setUp, const optimize::OptimizationLimits& limits,
                           const optimize::OptimizationResult& result, OutputBuffer& out);

}  // namespace bithydraulics::cli
