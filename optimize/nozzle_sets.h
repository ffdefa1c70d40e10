#pragma once

#include "optimize/area_groups.h"
#include "optimize/hydraulic_model.h"

namespace bithydraulics::optimize {

// The set's nozzle diameters for the program, its count of them.
NozzleDiameters diametersOf(const NozzleSet& set);

// Searches the sets of the series within the spread for their best flow rates and ranks them:
// fills result.bestSets (every set for up to three nozzles, one set for each total area for
// more), result.roundedUpSet and the counts. result.optimum must be set.
void rankNozzleSets(const HydraulicModel& model, OptimizationResult& result,
                    SetSearchMethod method = SetSearchMethod::Automatic);

}  // namespace bithydraulics::optimize
