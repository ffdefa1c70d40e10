#include "cases/column_names.h"

#include <algorithm>

#include "cases/case_columns.h"
#include "cases/errors.h"
#include "cases/result_columns.h"
#include "cases/text.h"

namespace bithydraulics::cases {
namespace {

std::string quoted(std::string_view text) {
    return std::string("'").append(text).append("'");
}

}  // namespace

std::string inputNameList() {
    std::string list;
    for (const InputQuantity& quantity : kInputQuantities) {
        list += (list.empty() ? "" : ", ") + std::string(quantity.name) + " (" +
                std::string(quantity.caption) + ")";
    }
    return list;
}

Assignment parseAssignment(std::string_view argument) {
    if (!isValidUtf8(argument)) {
        throw UsageError("argument " + quoted(argument) + " is not valid UTF-8");
    }
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        throw UsageError("expected NAME=TEXT, got " + quoted(argument) +
                         "; valid names: " + inputNameList());
    }
    const std::string_view name = argument.substr(0, equals);
    const std::optional<std::size_t> input = findInput(name);
    if (!input) {
        throw UsageError("unknown input name " + quoted(name) +
                         "; valid names: " + inputNameList());
    }
    return {*input, std::string(name), std::string(argument.substr(equals + 1))};
}

std::vector<Assignment> parseAssignments(const std::vector<std::string>& arguments) {
    std::vector<Assignment> assignments;
    for (const std::string& argument : arguments) {
        Assignment assignment = parseAssignment(argument);
        const auto earlier = std::ranges::find(assignments, assignment.input, &Assignment::input);
        if (earlier != assignments.end()) {
            throw UsageError(
                repeatedInputMessage(assignment.input, earlier->name, assignment.name));
        }
        assignments.push_back(std::move(assignment));
    }
    return assignments;
}

std::string repeatedInputMessage(std::size_t input, std::string_view first,
                                 std::string_view second) {
    return "input " + quoted(kInputQuantities[input].name) + " is given twice (as " +
           quoted(first) + " and " + quoted(second) + ")";
}

ColumnNames::ColumnNames(std::vector<std::string> passColumns, bool ignoreResults)
    : passColumns_(std::move(passColumns)), ignoreResults_(ignoreResults) {
    for (auto name = passColumns_.begin(); name != passColumns_.end(); ++name) {
        if (name->empty()) {
            throw UsageError("--pass needs a column name");
        }
        if (!isValidUtf8(*name)) {
            throw UsageError("--pass " + quoted(*name) + " is not valid UTF-8");
        }
        if (findInput(*name)) {
            throw UsageError("--pass " + quoted(*name) +
                             " names an input; inputs are read without --pass");
        }
        if (isResultColumn(*name)) {
            throw UsageError("--pass " + quoted(*name) + " would clash with an output column");
        }
        if (std::find(passColumns_.begin(), name, *name) != name) {
            throw UsageError("--pass " + quoted(*name) + " is given twice");
        }
    }
}

std::optional<std::size_t> ColumnNames::resolve(std::string_view name,
                                                std::vector<std::string_view>& namedAs) const {
    const ColumnMeaning meaning = classifyColumn(name);
    std::optional<std::size_t> slot;
    if (meaning.role == ColumnRole::Input) {
        if (meaning.wrongUnit) {
            throw UsageError("column " + quoted(name) + ": the unit of " +
                             std::string(kInputQuantities[meaning.input].name) + " is " +
                             std::string(kInputQuantities[meaning.input].unit));
        }
        slot = meaning.input;
    }
    const auto pass = std::find(passColumns_.begin(), passColumns_.end(), name);
    if (!slot && pass != passColumns_.end()) {
        slot = kInputCount + static_cast<std::size_t>(pass - passColumns_.begin());
    }
    if (!slot && isResultColumn(name)) {
        if (ignoreResults_) {
            return std::nullopt;
        }
        throw UsageError("column " + quoted(name) +
                         " holds results, as an earlier output does; give --ignore-results to "
                         "leave such columns out");
    }
    if (!slot) {
        std::string message =
            "unknown column " + quoted(name) + "; valid names: " + inputNameList();
        for (const std::string& passColumn : passColumns_) {
            message += ", " + passColumn;
        }
        throw UsageError(message + "; declare other columns with --pass NAME");
    }
    if (!namedAs[*slot].empty()) {
        throw UsageError(*slot < kInputCount ? repeatedInputMessage(*slot, namedAs[*slot], name)
                                             : "column " + quoted(name) + " is given twice");
    }
    namedAs[*slot] = name;
    return slot;
}

}  // namespace bithydraulics::cases
