#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// What stops a run of the command-line companion (exit status 2, 1 for a question without an
// answer, or the signal's own status).
namespace bithydraulics::cases {

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

// What is wrong with input that cannot be read, told apart so that the window can say it in its
// own words; the message says it in English for the command line.
enum class InputFault {
    Malformed,               // CSV or JSON its format does not allow; the message says how
    NotText,                 // bytes that are text in none of the encodings tried
    NulByte,                 // a NUL byte in a cell or a line
    NoHeader,                // no header row
    NoCase,                  // a header and no case under it
    CellCount,               // a row with another number of cells than the header
    CellUnderUnnamedColumn,  // text under an empty header cell
    RepeatedInput,           // two columns for one input
    WrongUnit,               // a caption with a unit that is not the input's
    UnknownColumn,           // a column the command cannot place (batch's own rules)
    AmbiguousFigure,         // "1.234,5": thousands and decimals not told apart
    TooManyRows,             // more cases than the reader was asked to take
};

// Where in the input a fault stands; 0 where not known. Columns and bytes count from 1.
struct InputPlace {
    std::size_t column = 0;
    std::uint64_t byte = 0;
};

// Input that cannot be read as its format has it; the message names the line, and within it the
// place (", column 3", ", byte 7") where one is known.
class InputError : public std::runtime_error {
  public:
    InputError(std::uint64_t line, const std::string& message, InputPlace place = {},
               InputFault fault = InputFault::Malformed, std::string subject = {})
        : std::runtime_error("line " + std::to_string(line) + placeText(place) + ": " + message),
          line_(line),
          place_(place),
          fault_(fault),
          subject_(std::move(subject)) {}

    std::uint64_t line() const { return line_; }
    InputPlace place() const { return place_; }
    InputFault fault() const { return fault_; }
    // The name or the cell text at fault, where there is one.
    const std::string& subject() const { return subject_; }

  private:
    static std::string placeText(InputPlace place) {
        return place.column != 0 ? ", column " + std::to_string(place.column)
               : place.byte != 0 ? ", byte " + std::to_string(place.byte)
                                 : std::string();
    }

    std::uint64_t line_;
    InputPlace place_;
    InputFault fault_;
    std::string subject_;
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

}  // namespace bithydraulics::cases
