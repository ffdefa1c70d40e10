#include "cli/case/case_computer.h"

#include <algorithm>

#include "cases/plain_figure.h"
#include "platform/calculation_fault.h"
#include "platform/number_reading.h"

namespace bithydraulics::cli {

InputTexts caseTexts(const std::vector<cases::Assignment>& assignments, GivenInputs& given) {
    InputTexts texts;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        texts[i] = kInputQuantities[i].defaultText;
    }
    for (const cases::Assignment& assignment : assignments) {
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
        if (given[i] && !cases::isPlainFigure(texts[i])) {
            return i;
        }
    }
    return std::nullopt;
}

bool isWholeFigure(std::string_view text) {
    try {
        return readFigure(text).whole;
    } catch (const CalculationFault&) {
        return true;  // a figure too large: the compute command names it as an overflow
    }
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
    result_.cells = std::span(cells_).first(cases::resultColumns(full).size());
}

const CaseResult& CaseComputer::refuse(std::string_view fault, std::size_t input) {
    cells_.fill({});
    result_.fault = fault;
    result_.faultQuantity = kInputQuantities.at(input).name;
    return result_;
}

const CaseResult& CaseComputer::compute(const InputTexts& texts, GivenInputs given,
                                        FigureRule rule) {
    return run(texts, given, rule, nullptr);
}

const CaseResult& CaseComputer::compute(const InputTexts& texts, GivenInputs given, FigureRule rule,
                                        const NozzleList& nozzles, std::string_view listName,
                                        bool listRead) {
    if (!listRead) {
        cells_.fill({});
        result_.fault = kInvalidTextFault;
        result_.faultQuantity = listName;
        return result_;
    }
    return run(texts, given, rule, &nozzles);
}

const CaseResult& CaseComputer::run(const InputTexts& texts, GivenInputs given, FigureRule rule,
                                    const NozzleList* nozzles) {
    if (rule != FigureRule::Lenient) {
        if (const auto lenient = firstLenientInput(texts, given)) {
            if (rule == FigureRule::Plain) {
                return refuse(kInvalidTextFault, *lenient);
            }
            for (std::size_t i = *lenient; i < kInputCount; ++i) {
                if (given[i] && !cases::isPlainFigure(texts[i]) && !isWholeFigure(texts[i])) {
                    return refuse(kPartialTextFault, i);
                }
            }
        }
    }
    result_.fault = {};
    result_.faultQuantity = {};
    cells_.fill({});
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
        const std::span<const cases::ResultColumn> columns = cases::resultColumns(true);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            cells_[i] = cases::formatShortest(state_.results.*columns[i].member, figures_[i]);
        }
    } else {
        std::copy(fields_.results.begin(), fields_.results.end(), cells_.begin());
    }
    result_.values = state_.results;
    return result_;
}

}  // namespace bithydraulics::cli
