#pragma once

#include "optimize/hydraulic_model.h"

namespace bithydraulics::optimize {

// The best flow rate with the nozzle area free. Throws OptimizationRefused (LimitsContradict)
// when no flow rate keeps to every limit, CalculationFault when the program faults.
ContinuousOptimum findContinuousOptimum(const HydraulicModel& model);

}  // namespace bithydraulics::optimize
