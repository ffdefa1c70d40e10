#include "calc/compute_command.h"

#include "calc/field_text.h"
#include "calc/quantities.h"
#include "platform/runtime.h"

namespace bithydraulics {
namespace {

std::string displayText(const ResultQuantity& quantity, double value) {
    switch (quantity.style) {
        case DisplayStyle::Fixed2:
            return formatFixed2(value);
        case DisplayStyle::HundredfoldFixed2:
            return formatFixed2(checkedMultiply(value, 100));
        case DisplayStyle::Percent2:
            return formatPercent2(value);
    }
    return {};
}

}  // namespace

HydraulicsInputs readInputs(const FieldArray& fields) {
    HydraulicsInputs inputs;
    for (int i = 0; i < kInputFieldCount; ++i) {
        const InputQuantity& quantity = kInputQuantities[static_cast<std::size_t>(i)];
        try {
            inputs.*quantity.member = parseFieldNumber(fields.readText(i));
        } catch (const CalculationFault& fault) {
            throw fault.at(quantity.name);
        }
    }
    return inputs;
}

ResultTexts formResultTexts(const HydraulicsResults& results) {
    ResultTexts texts;
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        const ResultQuantity& quantity = kDisplayedResults[i];
        try {
            texts[i] = displayText(quantity, results.*quantity.member);
        } catch (const CalculationFault& fault) {
            throw fault.at(quantity.name);
        }
    }
    return texts;
}

namespace {

void writeResults(FieldArray& fields, const CalculationState& state) {
    const ResultTexts texts = formResultTexts(state.results);
    for (int i = 0; i < kResultFieldCount; ++i) {
        fields.replaceText(kFirstResultField + i, texts[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

void runComputeCommand(FieldArray& fields, CalculationState& state) {
    state.inputs = readInputs(fields);
    state.results = computeHydraulics(state.inputs);
    writeResults(fields, state);
}

void runComputeCommand(FieldArray& fields, CalculationState& state,
                       std::span<const double> nozzleDiameters) {
    state.inputs = readInputs(fields);
    state.results = computeHydraulics(state.inputs, nozzleDiameters);
    writeResults(fields, state);
}

InMemoryFieldArray::InMemoryFieldArray() {
    for (std::size_t i = 0; i < kInputQuantities.size(); ++i) {
        texts_[i] = kInputQuantities[i].defaultText;
    }
    for (std::size_t i = kInputQuantities.size(); i < texts_.size(); ++i) {
        texts_[i] = kInitialResultText;
    }
}

std::string InMemoryFieldArray::readText(int index) const {
    return text(index);
}

void InMemoryFieldArray::replaceText(int index, std::string_view text) {
    texts_.at(static_cast<std::size_t>(index)) = text;
}

}  // namespace bithydraulics
