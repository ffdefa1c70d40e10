#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The two kinds of trouble that stop the command-line companion with exit status 2.
namespace bithydraulics::cli {

// A command line that cannot be carried out: an unknown name, a bad sweep range, a missing file.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Batch input that cannot be read; the message names the line where the trouble lies.
class InputError : public std::runtime_error {
  public:
    InputError(std::uint64_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

    std::uint64_t line() const noexcept { return line_; }

  private:
    std::uint64_t line_;
};

// The output could not be written (a full disk, a closed pipe).
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace bithydraulics::cli
