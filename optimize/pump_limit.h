#pragma once

#include "optimize/hydraulic_model.h"

// The largest flow rate a fixed nozzle set may run at before the pump reaches its pressure or
// its power limit, from the model: the set's bit pressure drop is c·Q² (c read off one of the
// program's figures), so the pump pressure c·Q² + K·Q^m grows with Q.
namespace bithydraulics::optimize {

// The bit pressure drop per (L/s)² of `nozzles`, from the program's figure at the reading's flow.
double bitDropCoefficient(const HydraulicModel& model, const NozzleDiameters& nozzles);

// Where c·Q² + K·Q^m reaches p_r or (c·Q² + K·Q^m)·Q reaches N_r, whichever comes first, and
// which of the two that is. Accurate to some 1e-10 of the flow rate: callers settle it on the
// program's figures.
WindowEnd pumpLimitedFlow(const HydraulicModel& model, double coefficient);

// The largest flow rate at which `nozzles` keep to the pump's pressure (`limit` PumpPressure)
// or power (PumpPower) as the program computes it, refined from `guess`.
double settlePumpLimit(const HydraulicModel& model, const NozzleDiameters& nozzles, Limit limit,
                       double guess);

}  // namespace bithydraulics::optimize
