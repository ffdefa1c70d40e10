#pragma once

#include <istream>
#include <ostream>

namespace bithydraulics::cli {

// The whole command-line companion: parses the arguments, runs one case, a batch or a sweep,
// writes results to `out` and errors to `err` (one line each, nothing else), and returns the
// exit status: 0 every case computed, 1 some cases faulted, 2 a usage error or malformed input.
// Batch input comes from `in` when no file is named.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace bithydraulics::cli
