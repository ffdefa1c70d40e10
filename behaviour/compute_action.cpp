#include "behaviour/compute_action.h"

#include "behaviour/input_reading.h"

namespace bithydraulics {

InputTexts readInputTexts(const FieldArray& fields) {
    InputTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts[static_cast<std::size_t>(i)] = fields.readText(i);
    }
    return texts;
}

ComputeOutcome runComputeAction(FieldArray& fields, CalculationState& state, ResultRecord& record) {
    ComputeOutcome outcome;
    const InputTexts inputs = readInputTexts(fields);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        outcome.partlyRead[i] = partlyReadNote(inputs[i]);
    }
    try {
        runComputeCommand(fields, state);
    } catch (const CalculationFault& fault) {
        outcome.fault = fault;
        return outcome;
    }
    ResultTexts results;
    for (int i = 0; i < kResultFieldCount; ++i) {
        results[static_cast<std::size_t>(i)] = fields.readText(kFirstResultField + i);
    }
    record.computed(inputs, results);
    return outcome;
}

}  // namespace bithydraulics
