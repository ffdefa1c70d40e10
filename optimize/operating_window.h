#pragma once

#include "optimize/hydraulic_model.h"

namespace bithydraulics::optimize {

// The flow rates `nozzles` may run at: at least Q_min, and at most where the predicted pump
// pressure reaches p_r, the pump power N_r, the liner its flow or the ECD its limit, each end
// settled on the program's figures.
OperatingWindow findOperatingWindow(const HydraulicModel& model, const NozzleDiameters& nozzles);

}  // namespace bithydraulics::optimize
