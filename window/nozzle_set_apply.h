#pragma once

#include "optimize/results.h"

namespace bithydraulics {

class HydraulicsForm;

// 应用: writes a nozzle set into the main window and runs 运算 there, so that it shows the set's
// own figures. The nozzle diameters go in exactly ("8.73125"; "0" for a nozzle the set does not
// have), the flow rate as the shortest figure that reads back as it, and the predicted pump
// pressure as the program shows it ("17.99"). The fields are replaced as one edit, which Ctrl+Z
// takes back whole.
void applyNozzleSet(HydraulicsForm& form, const optimize::RankedSet& set);

}  // namespace bithydraulics
