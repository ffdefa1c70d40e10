#pragma once

#include <vector>

#include "cli/names.h"
#include "cli/output_buffer.h"

namespace bithydraulics::cli {

enum class CaseFormat { Table, Json };

struct CaseSettings {
    CaseFormat format = CaseFormat::Table;
    bool full = false;
    bool strict = false;
};

// One case: the inputs in `assignments`, the others at their default texts.
//  - Table: one line per result: field name, caption, display text and unit, aligned; a fault
//    leaves the texts empty and adds a last line naming the fault and where it arose.
//  - Json: one object {"inputs": {name: text, …all eleven}, "results": {name: text, …},
//    "fault": "", "faultQuantity": ""}.
// With `full`, the results are the calculation's values as shortest round-trip figures (numbers
// in JSON), the nozzle area first. Returns kExitComputed, or kExitFaulted when the case faulted.
int runSingleCase(const std::vector<Assignment>& assignments, OutputBuffer& out,
                  const CaseSettings& settings);

}  // namespace bithydraulics::cli
