#pragma once

#include "cli/command.h"

namespace bithydraulics::cli {

// batch [FILE] [NAME=TEXT ...]: many cases read from FILE or standard input, one output row per
// input row, streaming.
//  - CSV input: a header row of column names (inputs by field name or caption, in any order and
//    any subset, and the --pass columns), then one case per row; the output carries the columns
//    as the header has them.
//  - JSON Lines input: one object per line. Since each object may give a different subset, the
//    output carries all eleven inputs in field order, each with the text it was computed from
//    (the default text where the object gave none), then the --pass columns (empty where not
//    given).
//  - NAME=TEXT gives an input one text for every row, in place of its column or as a column of
//    its own after the others.
// Returns kExitComputed or kExitFaulted, and warns once of the cells not plain figures that were
// read as the window reads them. Throws InputError for malformed input and UsageError for a name
// it cannot place, after writing every row before it.
CLI::App* declareBatch(CLI::App& program, Options& options);
int runBatch(const Options& options, Streams& streams);

}  // namespace bithydraulics::cli
