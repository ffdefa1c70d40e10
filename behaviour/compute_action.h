#pragma once

#include <array>
#include <optional>
#include <string>

#include "behaviour/result_record.h"
#include "calc/compute_command.h"
#include "platform/calculation_fault.h"

// What 运算 does with the texts of the fields, for any front-end: it notes the inputs read only
// in part, runs the compute command, and records which inputs the results belong to. The view
// then shows the notes, the fault or the results.
namespace bithydraulics {

struct ComputeOutcome {
    // By input field: "读作 15" for a text read only in part, none for one read whole.
    std::array<std::optional<std::string>, kInputFieldCount> partlyRead;
    // The fault the command met; it wrote nothing then.
    std::optional<CalculationFault> fault;
};

ComputeOutcome runComputeAction(FieldArray& fields, CalculationState& state, ResultRecord& record);

// The texts of the eleven input fields.
InputTexts readInputTexts(const FieldArray& fields);

}  // namespace bithydraulics
