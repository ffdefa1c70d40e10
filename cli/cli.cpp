#include "cli/cli.h"

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "calc/quantities.h"
#include "cases/errors.h"
#include "cases/file_input.h"
#include "cases/output_buffer.h"
#include "cases/text.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/output_file.h"
#include "platform/version.h"

namespace bithydraulics::cli {
namespace {

// The commands: one case, on the program's own arguments, then the subcommands. A new command
// is a file of its own with these two functions, declared in command.h, and a line here.
struct CommandEntry {
    CLI::App* (*declare)(CLI::App& program, Options& options);
    int (*run)(const Options& options, Streams& streams);
};

constexpr std::array<CommandEntry, 5> kCommands{{
    {declareSingleCase, runSingleCase},
    {declareBatch, runBatch},
    {declareSweep, runSweep},
    {declareOptimize, runOptimize},
    {declareFlowRange, runFlowRange},
}};

// One line, whatever the message holds: control characters show as escapes.
std::string oneLine(std::string_view message) {
    std::string line;
    for (const char c : message) {
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            line += '?';
        } else {
            line += c;
        }
    }
    return line;
}

// `text` and blanks after it to fill `width` columns on a terminal.
std::string padded(std::string_view text, std::size_t width) {
    return std::string(text) + std::string(width - std::min(width, cases::displayWidth(text)), ' ');
}

std::string footer() {
    std::string text = "\nInputs (field name, caption, unit, default text):\n";
    for (const InputQuantity& quantity : kInputQuantities) {
        text += "  " + padded(quantity.name, 17) + padded(quantity.caption, 12) +
                padded(quantity.unit, 7) + std::string(quantity.defaultText) + "\n";
    }
    text += "Results:";
    for (const ResultQuantity& quantity : kDisplayedResults) {
        text += " " + std::string(quantity.name) +
                (quantity.name == kDisplayedResults.back().name ? "\n" : ",");
    }
    return text + R"(
Faults: a case with no finite result names the fault (division_by_zero, overflow,
invalid_argument; with --strict also invalid_text) and in faultQuantity the result whose step
faulted, or the input that could not be read; its results stay empty and a batch goes on.

Batch input:
  Text is UTF-8, UTF-16 or GB18030, told from a byte-order mark or the bytes; --encoding
  reads text without a mark in one encoding only. CSV cells are separated by the one of , ; and
  tab the header line holds most of, by what a first line sep=; names, or by --separator.
  Header names may carry their unit in brackets: 排量(L/s), 排量（L/s）, 排量 [L/s]; other
  columns (井号, well, section) are carried through. In a ;-separated file 30,5 reads 30.5.
  Each text is read as the window reads its field, and must be a figure all through: a figure
  read only in part (15mm, 1,820) faults its row with partial_text, one that reads two ways
  (1.234,5) with ambiguous_figure; an empty cell reads 0. batch warns once of the cells that
  were not plain figures; --strict faults their rows instead.
  A row, or a JSON line, may hold up to 1 MiB. A malformed row stops the batch with status 2
  after the rows before it are written. Stopped by Ctrl+C or SIGTERM, the output ends on a
  whole row. Piped into a program that stops reading, such as head, it ends quietly.
  -o FILE replaces FILE only when the run answered; on any failure it stays as it was.

Optimiser (optimize, flow-range):
  The inputs are the current set-up, a measured operating point: its pump pressure at its flow
  rate with its nozzles calibrates the losses outside the bit, so each of its figures must be
  one plain figure (full-width digits and 。 allowed). Each limit is a plain figure in its unit,
  within its range. nozzles=12,12,13,13 (k/32 in) or nozzlesMm=9.5;10 list up to twelve nozzles
  in place of the three nozzle fields, here, for one case and as a batch column. flow-range writes one plain table for a spreadsheet chart: the operating window's
  two ends are rows of their own, named in windowEnd with the limit that sets each, and
  withinWindow marks the rows inside it. A row at a flow rate where the program faults (at
  0 L/s the power utilisation is 0/0) carries fault and faultQuantity, as a batch row does.

Exit status: 0 every case computed, or the optimiser answered; 1 some cases faulted (every row
is still written), or the set-up cannot be optimised, no nozzle set of the series is usable
(after the answer is written), the limits leave no flow rate (for
flow-range: with the current nozzles, after its rows) or the arithmetic faulted, said in one
line; 2 a usage error (a limit that is not a plain figure or is out of its range), malformed
input or a failed read or write.

Examples:
  bit-hydraulics-cli 排量=32L/s 泥浆密度=1.3
  bit-hydraulics-cli flowRate=32 mudDensity=1.3 --format json
  bit-hydraulics-cli batch sections.csv --pass well > results.csv
  bit-hydraulics-cli batch 导出.csv --encoding gb18030 --separator ';' --bom --excel-safe
  bit-hydraulics-cli batch --input jsonl --format jsonl < cases.jsonl
  bit-hydraulics-cli sweep flowRate=20:40:0.5 mudDensity=1.3 --format table
  bit-hydraulics-cli optimize --max-pressure 18 --max-power 720 --min-annular-velocity 0.6 --max-ecd 1.30 --depth 2000
  bit-hydraulics-cli flow-range --max-pressure 18 --max-power 720 --max-ecd 1.30 --depth 2000 > window.csv
)";
}

// -o, --output FILE on a command that writes.
void addOutputOption(CLI::App& command, Options& options) {
    command
        .add_option("-o,--output", options.outputFile,
                    "Write the output to FILE, which is replaced only when the whole run has "
                    "succeeded (a shell redirect would empty it first); e.g. -o results.csv")
        ->type_name("FILE");
}

// Parses the arguments into `options` and runs the command they name; with -o the output goes
// to `outputFile` through `sink`. --help and --version are answered here.
int parseAndRun(int argc, const char* const* argv, Options& options, Streams& streams,
                std::ostream& sink, std::optional<OutputFile>& outputFile) {
    CLI::App program(
        "Bit hydraulics from the command line: the window's compute command on texts given as "
        "arguments or streamed in, and the best flow rate and nozzles within the rig's limits.",
        std::string(kProgramName));
    program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // Options are -x and --name everywhere: on Windows too, /name is a file's path, not an option.
    program.allow_windows_style_options(false);
    // Wide enough that "--max-pressure MPa REQUIRED" stands apart from its description by two
    // blanks, as the manual page and the completion read the help.
    program.get_formatter()->column_width(32);
    program.set_help_flag("-h,--help",
                          "Print this help, every option included, and exit; e.g. "
                          "bit-hydraulics-cli --help, bit-hydraulics-cli batch --help");
    program.set_version_flag("--version", std::string(kDisplayVersion),
                             "Print the version (" + std::string(kDisplayVersion) +
                                 ") and exit; e.g. bit-hydraulics-cli --version");
    program.footer(footer());
    program.require_subcommand(0, 1);
    std::array<CLI::App*, kCommands.size()> commands{};
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        commands[i] = kCommands[i].declare(program, options);
        addOutputOption(*commands[i], options);
    }

    // The subcommand given, or 0 for one case.
    const auto chosen = [&commands] {
        std::size_t given = 0;
        for (std::size_t i = 1; i < commands.size(); ++i) {
            given = commands[i]->parsed() ? i : given;
        }
        return given;
    };
    try {
        program.parse(argc, argv);
    } catch (const CLI::Success& success) {
        const auto* version = dynamic_cast<const CLI::CallForVersion*>(&success);
        streams.out.append(version != nullptr ? std::string(version->what()) + "\n"
                           : chosen() == 0    ? program.help("", CLI::AppFormatMode::All)
                                              : commands[chosen()]->help());
        return kExitComputed;
    } catch (const CLI::ParseError& error) {
        throw cases::UsageError(error.what());
    }
    const std::size_t command = chosen();
    if (command != 0 && (program.count("--format") > 0 || program.count("--full") > 0 ||
                         program.count("--strict") > 0 || program.count("NAME=TEXT") > 0)) {
        throw cases::UsageError("inputs and options go after '" + commands[command]->get_name() +
                                "'");
    }
    if (!options.outputFile.empty()) {
        outputFile.emplace(options.outputFile);
        if (outputFile->failure().failed()) {
            throw cases::OutputError(outputFile->failure().describe());
        }
        sink.rdbuf(&*outputFile);
    }
    return kCommands[command].run(options, streams);
}

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    // The output goes to `out` unless -o names a file, which then takes its place here.
    std::ostream sink(out.rdbuf());
    std::optional<OutputFile> outputFile;
    cases::OutputBuffer buffer(sink);
    const auto report = [&](std::string_view message, int status = kExitUsage) {
        err << kProgramName << ": error: " << oneLine(message) << '\n';
        err.flush();
        return status;
    };
    // A failed write to the -o file is told as that file's failure.
    const auto reportOutputError = [&](const cases::OutputError& error) {
        return report(outputFile && outputFile->failure().failed()
                          ? outputFile->failure().describe()
                          : std::string(error.what()));
    };
    // The rows before an error or an interruption go out before it is reported.
    const auto flushRows = [&]() -> bool {
        try {
            buffer.flush();
            return true;
        } catch (const cases::OutputError& error) {
            reportOutputError(error);
            return false;
        }
    };
    // The -o file replaces the old one only after a run that answered.
    const auto commit = [&](int status) {
        if (outputFile && !outputFile->commit()) {
            return report(outputFile->failure().describe());
        }
        return status;
    };
    try {
        Options options;
        Streams streams{in, buffer, err};
        const int status = parseAndRun(argc, argv, options, streams, sink, outputFile);
        buffer.flush();
        return commit(status);
    } catch (const cases::Interrupted&) {
        return flushRows() ? exitStatusForSignal(interruption()) : kExitUsage;
    } catch (const cases::OutputError& error) {
        return reportOutputError(error);
    } catch (const cases::Unanswered& error) {
        if (!flushRows()) {
            return kExitUsage;
        }
        const int status = commit(kExitFaulted);
        return status == kExitFaulted ? report(error.what(), kExitFaulted) : status;
    } catch (const std::runtime_error& error) {
        return flushRows() ? report(error.what()) : kExitUsage;
    }
}

int runProgram(int argc, char** argv) {
    StandardStreams standard;
    noteInterruptions();
    const std::vector<std::string> arguments = programArguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    cases::FileInput standardInput;
    std::istream in(&standardInput);
    const int status = runCli(static_cast<int>(pointers.size()), pointers.data(), in,
                              standard.out(), standard.err());
    if (interruption() != 0) {
        standard.out().flush();
        endByInterruption(interruption());
    }
    return status;
}

}  // namespace bithydraulics::cli
