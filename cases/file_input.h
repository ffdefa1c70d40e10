#pragma once

#include <array>
#include <streambuf>
#include <string>

#include "platform/program_io.h"

// The program's own input, a file or standard input, read straight from the system; and
// stopping cleanly on an interruption (platform/program_io.h).
namespace bithydraulics::cases {

// Each read takes what the system has at hand, so a line piped in is seen at once. A failed read
// throws ReadError with the system's reason; a read that an interruption breaks off throws
// Interrupted.
class FileInput : public std::streambuf {
  public:
    // Standard input.
    FileInput() : channel_(InputChannel::standardInput()) {}
    // Throws UsageError naming the file when it cannot be opened.
    explicit FileInput(const std::string& path);
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;

  protected:
    int_type underflow() override;

  private:
    InputChannel channel_;
    std::array<char, 64 * 1024> buffer_;
};

}  // namespace bithydraulics::cases
