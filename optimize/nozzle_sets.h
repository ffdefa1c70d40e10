#pragma once

#include <optional>
#include <vector>

#include "optimize/hydraulic_model.h"

namespace bithydraulics::optimize {

// Every set of `count` sizes of the series, smallest first, whose sizes lie at most `spread`
// steps of the series apart (any with none). Sets come in order of their steps.
std::vector<NozzleSet> enumerateNozzleSets(const NozzleSeries& series, int count,
                                           std::optional<int> spread);

// The set's nozzle diameters for the program, 0 beyond its count.
NozzleDiameters diametersOf(const NozzleSet& set);

// Searches every set of the series within the spread for its best flow rate and ranks them:
// fills result.bestSets, result.roundedUpSet and the counts. result.optimum must be set.
void rankNozzleSets(const HydraulicModel& model, OptimizationResult& result);

}  // namespace bithydraulics::optimize
