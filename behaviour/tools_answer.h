#pragma once

#include <optional>
#include <string>
#include <vector>

#include "behaviour/limit_texts.h"
#include "calc/hydraulics.h"
#include "optimize/refusal.h"
#include "optimize/results.h"
#include "platform/calculation_fault.h"

// What the tool windows have to show, from one reading of the main window and one set of
// limits, and what they say when it is missing or incomplete. Texts are UTF-8 and plain; a view
// escapes them for whatever it draws with.
namespace bithydraulics {

struct ToolsAnswer {
    // The main window's eleven figures as the compute command read them; none when reading
    // them faulted (`readFault`).
    std::optional<HydraulicsInputs> setUp;
    std::optional<CalculationFault> readFault;
    // The main window's inputs no longer read as they did when `setUp` was taken: everything
    // below belongs to the figures of the last 运算.
    bool setUpStale = false;
    // The first input field whose text was read only in part ("13,5" as 13, "3O" as 3), and that
    // text: the reading calibrates the losses, so nothing is optimised from it.
    std::optional<std::size_t> partlyRead;
    std::string partlyReadText;
    LimitsReading limits;
    // With a set-up and limits that read: the optimiser's answer, or its refusal, or the fault
    // its arithmetic met.
    std::optional<optimize::OptimizationResult> result;
    std::optional<optimize::Refusal> refusal;
    std::optional<CalculationFault> fault;
};

// Why the optimiser's answer is missing or incomplete: a sentence, and the calculation fault
// whose report follows it (the view words the report with the main window's fields). Empty
// when the answer is whole.
struct AnswerMessage {
    std::string text;
    std::optional<CalculationFault> fault;
};
AnswerMessage answerMessage(const ToolsAnswer& answer);

// The settings to mark in the limits form: those that did not read, and those the optimiser's
// refusal names, each with the reason.
std::vector<LimitProblem> fieldProblems(const ToolsAnswer& answer);

// What the chart shows in place of its curves when the main window's figures do not compute;
// the fault's report follows it.
inline constexpr std::string_view kChartWithoutSetUp = "主窗口的数据无法计算，请改正后按“运算”。";

// The chart's note when it draws the curves without the limits, because `problem` keeps them
// from being used.
std::string limitsNotDrawnNote(const LimitProblem& problem);

}  // namespace bithydraulics
