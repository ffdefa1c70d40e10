#pragma once

#include <array>
#include <streambuf>
#include <string>

// The program's own input, a file or standard input, read straight from its descriptor; and
// stopping cleanly on SIGINT or SIGTERM.
namespace bithydraulics::cases {

// Each read takes what the system has at hand, so a line piped in is seen at once. A failed read
// throws ReadError with the system's reason; a read that SIGINT or SIGTERM breaks off throws
// Interrupted.
class FileInput : public std::streambuf {
  public:
    explicit FileInput(int descriptor) : descriptor_(descriptor), owned_(false) {}
    // Throws UsageError naming the file when it cannot be opened.
    explicit FileInput(const std::string& path);
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;
    ~FileInput() override;

  protected:
    int_type underflow() override;

  private:
    int descriptor_;
    bool owned_;
    std::array<char, 64 * 1024> buffer_;
};

// From here on SIGINT and SIGTERM are only noted: reading and the row loops see the note and stop
// after the row at hand. A second such signal ends the program at once.
void noteInterruptions();

// The signal noted, or 0.
int interruption();

// Ends the program by `signal` as its default action does, so that its parent sees why.
[[noreturn]] void endBySignal(int signal);

}  // namespace bithydraulics::cases
