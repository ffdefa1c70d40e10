#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/cases/sample_text.h"

namespace bithydraulics::cli {

// runCli in this process, on `input` as standard input.
struct CliOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliOutcome runCliWith(std::vector<std::string> args, std::istream& in) {
    args.insert(args.begin(), "bit-hydraulics-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    CliOutcome outcome;
    outcome.status = runCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

inline CliOutcome runCliWith(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    return runCliWith(std::move(args), in);
}

}  // namespace bithydraulics::cli
