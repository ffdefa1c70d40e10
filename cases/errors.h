#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// What stops a run of the command-line companion (exit status 2, 1 for a question without an
// answer, or the signal's own status).
namespace bithydraulics::cli {

// A request that cannot be carried out: an unknown name, a bad sweep range, a missing file.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A question the program cannot answer: limits that leave no flow rate, a set-up that cannot be
// optimised, a fault of the arithmetic. Exit status 1, not 2: the request itself was sound.
class Unanswered : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Input that cannot be read as its format has it; the message names the line, and within it the
// place (", column 3", ", byte 7") where one is known.
class InputError : public std::runtime_error {
  public:
    InputError(std::uint64_t line, const std::string& message, const std::string& place = {})
        : std::runtime_error("line " + std::to_string(line) + place + ": " + message) {}
};

// The input could not be read, or the output not written; the message is the system's reason.
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// SIGINT or SIGTERM arrived: the run stops after the row at hand.
struct Interrupted {};

}  // namespace bithydraulics::cli
