#pragma once

#include "cli/command.h"

namespace bithydraulics::cli {

// [NAME=TEXT ...]: one case, the inputs named, the others at their default texts.
//  - Table: one line per result: field name, caption, display text and unit, aligned; a fault
//    leaves the texts empty and adds a last line naming the fault and where it arose.
//  - Json: one object {"inputs": {name: text, …all eleven}, "results": {name: text, …},
//    "fault": "", "faultQuantity": ""}.
// With --full, the results are the calculation's values as shortest round-trip figures (numbers
// in JSON), the nozzle area first. Returns kExitComputed, or kExitFaulted when the case faulted.
// Its arguments and options are those of the program itself.
CLI::App* declareSingleCase(CLI::App& program, Options& options);
int runSingleCase(const Options& options, Streams& streams);

}  // namespace bithydraulics::cli
