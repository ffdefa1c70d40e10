#pragma once

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"

// The checks a set-up and its limits pass before anything is computed. Each throws
// OptimizationRefused with the reason and the figures.
namespace bithydraulics::optimize {

// Every input finite; flow rate and density above 0; the hole wider than the pipe and the
// collars; no negative length.
void checkSetUp(const HydraulicsInputs& inputs);

// Every setting finite and within its range; a non-empty series of positive sizes.
void checkLimits(const OptimizationLimits& limits);

// The number of rows of a flow-range table: at least 2.
void checkPoints(int points);

}  // namespace bithydraulics::optimize
