#pragma once

#include <iosfwd>

namespace bithydraulics::cli {

// The whole command-line companion: parses the arguments, runs the command they name, writes
// results to `out` and errors to `err` (one line each, nothing else but one warning line), and
// returns the exit status (exit_status.h). Batch input comes from `in` when no file is named.
int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err);

// The program as started: runCli on the standard streams and the arguments as UTF-8, standard
// input read as it arrives, and an interruption (SIGINT, SIGTERM; Ctrl+C on Windows) ending a run
// after its last whole row, as the interruption does by default.
int runProgram(int argc, char** argv);

}  // namespace bithydraulics::cli
