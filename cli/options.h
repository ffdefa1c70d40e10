#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/batch.h"
#include "cli/row_writer.h"
#include "cli/single_case.h"
#include "platform/version.h"

namespace bithydraulics::cli {

inline constexpr std::string_view kProgramName = "bit-hydraulics-cli";
inline constexpr std::string_view kVersion = kDisplayVersion;

enum class Mode { SingleCase, Batch, Sweep };

// What the command line asks for.
struct CommandLine {
    Mode mode = Mode::SingleCase;
    std::vector<std::string> assignments;  // NAME=TEXT
    std::string range;                     // sweep: NAME=FROM:TO:STEP
    std::string file = "-";                // batch: a file, or "-" for standard input
    InputFormat input = InputFormat::Csv;
    CaseFormat caseFormat = CaseFormat::Table;
    RowFormat rowFormat = RowFormat::Csv;
    std::vector<std::string> passColumns;
    bool full = false;
    bool strict = false;
};

// Parses the arguments (argv[0] being the program). When they ask for --help or --version, writes
// the answer to `out` and returns the exit status instead. Throws UsageError for anything else
// that cannot be parsed.
std::variant<CommandLine, int> parseCommandLine(int argc, const char* const* argv,
                                                std::ostream& out);

}  // namespace bithydraulics::cli
