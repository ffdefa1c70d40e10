#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "cli/batch.h"
#include "cli/cli_errors.h"
#include "cli/names.h"
#include "cli/options.h"
#include "cli/output_buffer.h"
#include "cli/single_case.h"
#include "cli/sweep.h"

namespace bithydraulics::cli {
namespace {

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

int run(const CommandLine& command, std::istream& in, OutputBuffer& out) {
    switch (command.mode) {
        case Mode::SingleCase:
            return runSingleCase(parseAssignments(command.assignments), out,
                                 {command.caseFormat, command.full, command.strict});
        case Mode::Sweep:
            return runSweep(SweepRange::parse(command.range), parseAssignments(command.assignments),
                            out, {command.rowFormat, command.full, command.strict});
        case Mode::Batch:
            break;
    }
    const BatchSettings settings{command.input, command.rowFormat, command.passColumns,
                                 command.full, command.strict};
    if (command.file == "-") {
        return runBatch(in, out, settings);
    }
    std::ifstream file(command.file, std::ios::binary);
    if (!file) {
        throw UsageError("cannot open '" + command.file + "': " + std::strerror(errno));
    }
    return runBatch(file, out, settings);
}

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    const auto reportError = [&](std::string_view message) {
        err << kProgramName << ": error: " << oneLine(message) << '\n';
        err.flush();
        return kExitUsage;
    };
    std::optional<OutputBuffer> buffer;
    try {
        const std::variant<CommandLine, int> parsed = parseCommandLine(argc, argv, out);
        if (const int* status = std::get_if<int>(&parsed)) {
            out.flush();
            return out ? *status : reportError("cannot write the output");
        }
        buffer.emplace(out);
        const int status = run(std::get<CommandLine>(parsed), in, *buffer);
        buffer->flush();
        return status;
    } catch (const OutputError& error) {
        return reportError(error.what());
    } catch (const std::runtime_error& error) {
        // Usage errors and malformed input: the rows before it go out first.
        try {
            if (buffer) {
                buffer->flush();
            }
        } catch (const OutputError& outputError) {
            reportError(outputError.what());
        }
        return reportError(error.what());
    }
}

}  // namespace bithydraulics::cli
