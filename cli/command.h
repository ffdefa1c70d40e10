#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "cases/formats.h"
#include "optimize/optimization_limits.h"

// What every command of the command-line companion is given: the options record and the streams.
// A command lives in a file of its own with two functions, one declaring its arguments and options
// on the command line and one running it; the table of commands in cli.cpp names them.
namespace bithydraulics::cases {
class OutputBuffer;
}  // namespace bithydraulics::cases

namespace bithydraulics::cli {

inline constexpr std::string_view kProgramName = "bit-hydraulics-cli";

enum class CaseFormat { Table, Json };

// Everything the command line asks for; each command reads what concerns it.
struct Options {
    std::vector<std::string> arguments;  // the positional arguments: NAME=TEXT, a range, a file
    CaseFormat caseFormat = CaseFormat::Table;
    bool full = false;
    bool strict = false;
    // Rows of cases (batch, sweep).
    cases::InputFormat input = cases::InputFormat::Csv;
    cases::ReadOptions read;
    cases::WriteOptions write;
    std::vector<std::string> passColumns;
    bool ignoreResults = false;
    bool lineBuffered = false;
    std::string outputFile;  // -o: the file that takes the output in place of standard output
    // The optimiser's commands (optimize, flow-range).
    optimize::OptimizationLimits limits;
    int flowPoints = 101;
    bool wide = false;  // tables with every figure, however wide
};

struct Streams {
    std::istream& in;
    cases::OutputBuffer& out;
    std::ostream& err;  // one line per error or warning
};

// Lets `option` take only what `check` accepts, and ends the run for anything else with
// "--format takes csv|jsonl|table, not 'xml'"; the help shows `names`.
CLI::Option* acceptOnly(CLI::Option* option, const CLI::Validator& check, const std::string& names);

// An option taking one of the names in `choices`, in any case, and storing the value paired with
// it in `target`; the help shows `names`, such as "csv|jsonl|table".
template <typename T>
CLI::Option* addChoice(CLI::App& command, const std::string& option, T& target,
                       const std::map<std::string, T>& choices, const std::string& names,
                       const std::string& help) {
    return acceptOnly(command.add_option(option, target, help),
                      CLI::CheckedTransformer(choices, CLI::ignore_case), names);
}

// The options every command of cases takes: --full and --strict.
void addCaseOptions(CLI::App& command, Options& options);
// --strict alone, for a command whose output has no display texts to replace.
void addStrictOption(CLI::App& command, Options& options);
// The options of a command that writes rows: --format csv|jsonl|table, --separator, --bom,
// --excel-safe. `formatHelp` says what a row holds, when it is not a case.
void addRowOptions(CLI::App& command, Options& options, std::string formatHelp = {});

// The commands, each in a file of its own that states its rules: one case on the program's own
// arguments (single_case.cpp), batch, sweep, optimize and flow-range (flow_range.cpp).
CLI::App* declareSingleCase(CLI::App& program, Options& options);
int runSingleCase(const Options& options, Streams& streams);
CLI::App* declareBatch(CLI::App& program, Options& options);
int runBatch(const Options& options, Streams& streams);
CLI::App* declareSweep(CLI::App& program, Options& options);
int runSweep(const Options& options, Streams& streams);
CLI::App* declareOptimize(CLI::App& program, Options& options);
int runOptimize(const Options& options, Streams& streams);
CLI::App* declareFlowRange(CLI::App& program, Options& options);
int runFlowRange(const Options& options, Streams& streams);

}  // namespace bithydraulics::cli
