#pragma once

#include <array>
#include <string>

#include "calc/hydraulics.h"
#include "calc/quantities.h"
#include "cases/errors.h"
#include "cli/command.h"
#include "optimize/refusal.h"
#include "platform/calculation_fault.h"

// What the optimiser's commands (optimize, flow-range) share: the current set-up from NAME=TEXT,
// the limits of the pump and the hole from options, and what a refusal or a fault of the
// arithmetic makes of the run.
namespace bithydraulics::cli {

// NAME=TEXT and the limits both commands take. A limit is a plain figure in the
// program's units (anything else is a UsageError naming the option); --max-pressure is required.
void addSetUpAndLimits(CLI::App& command, Options& options);

// The value of `text` given to `option`: a plain figure, read as the window reads it, or a whole
// number. Anything else is a UsageError naming the option, with `example` of what it takes.
double plainFigure(const std::string& option, std::string_view text, std::string_view example);
int wholeNumber(const std::string& option, std::string_view text);

// A whole-number option such as --top.
CLI::Option* addWholeNumber(CLI::App& command, const std::string& option, int& target,
                            const std::string& help);

// The current set-up: the eleven texts (NAME=TEXT or the defaults), the figures the compute
// command reads from them, and the nozzles: the three nozzle fields, or a list given as
// nozzles=12,12,13,... (1/32 in) or nozzlesMm=... in place of them.
struct SetUp {
    std::array<std::string, kInputCount> texts;
    HydraulicsInputs figures;
    NozzleList nozzles;
    std::string nozzleListName;  // "nozzles" or "nozzlesMm" when listed, else empty
    std::string nozzleListText;
};

// The measured reading calibrates the losses, so each of its figures must be one plain figure
// (full-width digits and "。" allowed, as the window reads them): anything else is a UsageError
// naming the input and its text, as are a bad or repeated name and a bad nozzle list. A figure too
// large to read is Unanswered, stated as one case states it ("fault: overflow at flowRate").
SetUp readSetUp(const Options& options);

// "fault: division_by_zero at bitPressureDrop": a fault of the arithmetic as one case reports it.
std::string faultLine(const CalculationFault& fault);

// Ends the run for a refusal: a setting out of range is a UsageError naming its option, as is the
// jet velocity criterion without hole cleaning; any other refusal (a set-up that cannot be
// optimised, limits that leave no flow rate) is Unanswered. The reason is the optimiser's own.
[[noreturn]] void endForRefusal(const optimize::Refusal& refusal);

// Runs `ask`, a call of the optimiser, ending the run as endForRefusal says for a refusal and
// with Unanswered (faultLine) for a fault of the arithmetic.
template <typename Ask>
auto answer(Ask&& ask) -> decltype(ask()) {
    try {
        return ask();
    } catch (const optimize::OptimizationRefused& refused) {
        endForRefusal(refused.refusal());
    } catch (const CalculationFault& fault) {
        throw cases::Unanswered(faultLine(fault));
    }
}

}  // namespace bithydraulics::cli
