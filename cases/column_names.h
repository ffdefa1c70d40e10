#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/quantities.h"

// How inputs are named on the command line and in batch input: by HydraulicsInputs field name or,
// equally, by the caption of their row in the window. An unknown or repeated name is an error that
// names it and lists the valid ones; nothing ever falls back to a default silently.
namespace bithydraulics::cases {

// "nozzleDiameter1 (1#喷嘴直径), …, pumpPressure (泵压)": every valid input name, for messages.
std::string inputNameList();

// A NAME=TEXT argument: the input it names, the name as given and the text after the first "=".
struct Assignment {
    std::size_t input = 0;
    std::string name;
    std::string text;
};

// Throws UsageError for an argument without "=", an unknown name or text that is not UTF-8.
Assignment parseAssignment(std::string_view argument);

// Every argument parsed; throws UsageError also when two of them name the same input.
std::vector<Assignment> parseAssignments(const std::vector<std::string>& arguments);

// "input 'flowRate' is given twice (as 'flowRate' and '排量')"
std::string repeatedInputMessage(std::size_t input, std::string_view first,
                                 std::string_view second);

// The names batch input may give its columns (CSV header cells, JSON keys): the eleven inputs,
// each under its field name or caption, the columns declared with --pass, carried through, and
// with --ignore-results the result columns of an earlier output, left out.
class ColumnNames {
  public:
    // Throws UsageError for a --pass name that is empty, repeated, names an input or would clash
    // with an output column.
    ColumnNames(std::vector<std::string> passColumns, bool ignoreResults);

    const std::vector<std::string>& passColumns() const { return passColumns_; }

    // Where a column's texts go: slots 0..10 are the inputs in field order, slot kInputCount + j
    // is --pass column j.
    std::size_t slotCount() const { return kInputCount + passColumns_.size(); }

    // The slot of the column `name`, or none for a result column to leave out. `namedAs` holds
    // the name each slot has had so far in the header or object, empty for none. Throws
    // UsageError for an unknown name and for a slot named twice.
    std::optional<std::size_t> resolve(std::string_view name,
                                       std::vector<std::string_view>& namedAs) const;

  private:
    std::vector<std::string> passColumns_;
    bool ignoreResults_;
};

}  // namespace bithydraulics::cases
