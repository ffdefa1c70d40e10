#include "cli/names.h"

#include <algorithm>

#include "cli/cli_errors.h"
#include "cli/result_columns.h"
#include "cli/utf8.h"

namespace bithydraulics::cli {
namespace {

std::string quoted(std::string_view text) {
    std::string result(1, '\'');
    result += text;
    result += '\'';
    return result;
}

bool isOutputColumn(std::string_view name) {
    if (name == kFaultColumn || name == kFaultQuantityColumn) {
        return true;
    }
    const auto columns = resultColumns(true);
    return std::any_of(columns.begin(), columns.end(),
                       [name](const ResultColumn& column) { return column.name == name; });
}

}  // namespace

std::string inputNameList() {
    std::string list;
    for (const InputQuantity& quantity : kInputQuantities) {
        if (!list.empty()) {
            list += ", ";
        }
        list += quantity.name;
        list += " (";
        list += quantity.caption;
        list += ")";
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
        for (const Assignment& earlier : assignments) {
            if (earlier.input == assignment.input) {
                throw UsageError(
                    repeatedInputMessage(assignment.input, earlier.name, assignment.name));
            }
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

ColumnNames::ColumnNames(std::vector<std::string> passColumns)
    : passColumns_(std::move(passColumns)) {
    for (std::size_t j = 0; j < passColumns_.size(); ++j) {
        const std::string& name = passColumns_[j];
        if (name.empty()) {
            throw UsageError("--pass needs a column name");
        }
        if (!isValidUtf8(name)) {
            throw UsageError("--pass " + quoted(name) + " is not valid UTF-8");
        }
        if (findInput(name)) {
            throw UsageError("--pass " + quoted(name) +
                             " names an input; inputs are read without --pass");
        }
        if (isOutputColumn(name)) {
            throw UsageError("--pass " + quoted(name) + " would clash with an output column");
        }
        if (std::find(passColumns_.begin(), passColumns_.begin() + static_cast<long>(j), name) !=
            passColumns_.begin() + static_cast<long>(j)) {
            throw UsageError("--pass " + quoted(name) + " is given twice");
        }
    }
}

std::optional<std::size_t> ColumnNames::slotOf(std::string_view name) const {
    if (const std::optional<std::size_t> input = findInput(name)) {
        return input;
    }
    for (std::size_t j = 0; j < passColumns_.size(); ++j) {
        if (passColumns_[j] == name) {
            return kInputCount + j;
        }
    }
    return std::nullopt;
}

std::string ColumnNames::unknownMessage(std::string_view name) const {
    std::string message = "unknown column " + quoted(name) + "; valid names: " + inputNameList();
    for (const std::string& pass : passColumns_) {
        message += ", " + pass;
    }
    return message + "; declare other columns with --pass NAME";
}

std::string ColumnNames::repeatedMessage(std::size_t slot, std::string_view first,
                                         std::string_view second) const {
    if (slot < kInputCount) {
        return repeatedInputMessage(slot, first, second);
    }
    return "column " + quoted(first) + " is given twice";
}

}  // namespace bithydraulics::cli
