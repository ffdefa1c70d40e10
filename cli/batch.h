#pragma once

#include <istream>
#include <string>
#include <vector>

#include "cli/output_buffer.h"
#include "cli/row_writer.h"

namespace bithydraulics::cli {

enum class InputFormat { Csv, JsonLines };

struct BatchSettings {
    InputFormat input = InputFormat::Csv;
    RowFormat format = RowFormat::Csv;
    std::vector<std::string> passColumns;
    bool full = false;
    bool strict = false;
};

// Exit statuses shared by every mode.
inline constexpr int kExitComputed = 0;  // every case computed
inline constexpr int kExitFaulted = 1;   // some cases faulted; every row was still written
inline constexpr int kExitUsage = 2;     // a usage error or malformed input

// Reads many cases and writes one output row per input row, streaming.
//  - CSV input: a header row of column names (inputs by field name or caption, in any order and
//    any subset, and the --pass columns), then one case per row; the output carries the columns
//    as the header has them.
//  - JSON Lines input: one object per line. Since each object may give a different subset, the
//    output carries all eleven inputs in field order, each with the text it was computed from
//    (the default text where the object gave none), then the --pass columns (empty where not
//    given).
// Returns kExitComputed or kExitFaulted. Throws InputError for malformed input and UsageError for
// an unknown or repeated column name, after writing every row before it.
int runBatch(std::istream& in, OutputBuffer& out, const BatchSettings& settings);

}  // namespace bithydraulics::cli
