#include "cli/case/case_computer.h"

#include <algorithm>

#include "cases/plain_figure.h"
#include "platform/calculation_fault.h"

namespace bithydraulics::cli {

InputTexts caseTexts(const std::vector<Assignment>& assignments, GivenInputs& given) {
    InputTexts texts;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        texts[i] = kInputQuantities[i].defaultText;
    }
    for (const Assignment& assignment : assignments) {
        texts[assignment.input] = assignment.text;
        given.set(assignment.input);
    }
    return texts;
}

std::string faultLine(std::string_view fault, std::string_view faultQuantity) {
    return "fault: " + std::string(fault) + " at " + std::string(faultQuantity);
}

std::optional<std::size_t> firstLenientInput(const InputTexts& texts, GivenInputs given) {
    for (std::size_t i = 0; i < kInputCount; ++i) {
        if (given[i] && !isPlainFigure(texts[i])) {
            return i;
        }
    }
    return std::nullopt;
}

std::string CaseComputer::Fields::readText(int index) const {
    if (index >= 0 && index < kInputFieldCount) {
        return std::string(inputs[static_cast<std::size_t>(index)]);
    }
    return results.at(static_cast<std::size_t>(index - kFirstResultField));
}

// The compute command writes result fields only.
void CaseComputer::Fields::replaceText(int index, std::string_view text) {
    results.at(static_cast<std::size_t>(index - kFirstResultField)).assign(text);
}

CaseComputer::CaseComputer(bool full) : full_(full) {
    result_.cells = std::span(cells_).first(resultColumns(full).size());
}

const CaseResult& CaseComputer::compute(const InputTexts& texts, GivenInputs given, bool strict) {
    return run(texts, given, strict, nullptr);
}

const CaseResult& CaseComputer::compute(const InputTexts& texts, GivenInputs given, bool strict,
                                        const NozzleList& nozzles, std::string_view listName,
                                        bool listRead) {
    if (!listRead) {
        cells_.fill({});
        result_.fault = kInvalidTextFault;
        result_.faultQuantity = listName;
        return result_;
    }
    return run(texts, given, strict, &nozzles);
}

const CaseResult& CaseComputer::run(const InputTexts& texts, GivenInputs given, bool strict,
                                    const NozzleList* nozzles) {
    result_.fault = {};
    result_.faultQuantity = {};
    cells_.fill({});
    if (const auto lenient = strict ? firstLenientInput(texts, given) : std::nullopt) {
        result_.fault = kInvalidTextFault;
        result_.faultQuantity = kInputQuantities[*lenient].name;
        return result_;
    }
    fields_.inputs = texts;
    try {
        if (nozzles != nullptr) {
            runComputeCommand(fields_, state_, nozzles->diameters());
        } else {
            runComputeCommand(fields_, state_);
        }
    } catch (const CalculationFault& fault) {
        result_.fault = faultKindName(fault.kind());
        result_.faultQuantity = fault.quantity();
        return result_;
    }
    if (full_) {
        const std::span<const ResultColumn> columns = resultColumns(true);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            cells_[i] = formatShortest(state_.results.*columns[i].member, figures_[i]);
        }
    } else {
        std::copy(fields_.results.begin(), fields_.results.end(), cells_.begin());
    }
    result_.values = state_.results;
    return result_;
}

}  // namespace bithydraulics::cli
