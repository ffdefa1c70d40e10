#pragma once

#include <iosfwd>

namespace bithydraulics::cli {

// The whole command-line companion: parses the arguments, runs the command they name, writes
// results to `out` and errors to `err` (one line each, nothing else but one warning line), and
// returns the exit status (exit_status.h). Batch input comes from `in` when no file is named.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

// The program as started: runCli on the standard streams, standard input read as it arrives, and
// SIGINT and SIGTERM ending a run after its last whole row, by the signal as usual.
int runProgram(int argc, const char* const* argv);

}  // namespace bithydraulics::cli
