#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace bithydraulics::cli {

// runCli in this process, on `input` as standard input.
struct CliOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliOutcome runCliWith(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "bit-hydraulics-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliOutcome outcome;
    outcome.status = runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// The lines of `text`, without their line feeds.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace bithydraulics::cli
