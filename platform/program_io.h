#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// What a program on the command line takes from its system: its arguments, its standard streams,
// files to read, and interruptions (SIGINT and SIGTERM; on Windows Ctrl+C, Ctrl+Break and the
// console closing). One interface; program_io_posix.cpp and program_io_windows.cpp implement it.
namespace bithydraulics {

// A failure the system reported; the message is the system's reason, in English.
class SystemError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The program's arguments as UTF-8, its name first. (Windows hands them over as UTF-16.)
std::vector<std::string> programArguments(int argc, char** argv);

// Standard input or a file, read straight from the system, so that what a pipe holds is seen at
// once.
class InputChannel {
  public:
    static InputChannel standardInput();
    // Opens a file named in UTF-8; throws SystemError when it cannot.
    static InputChannel open(const std::string& path);
    InputChannel(InputChannel&& other) noexcept;
    InputChannel& operator=(InputChannel&&) = delete;
    ~InputChannel();

    // Waits for input, then reads at most `count` bytes of what is at hand: 0 at the end of the
    // input, nothing at all when an interruption is noted before or while waiting. Throws
    // SystemError when the read fails.
    std::optional<std::size_t> read(char* to, std::size_t count);

  private:
    InputChannel(std::intptr_t handle, bool owned) : handle_(handle), owned_(owned) {}
    std::intptr_t handle_;
    bool owned_;
    std::string pending_;  // text read from the system but not yet handed out (a console line)
};

// Standard output and error as streams that pass bytes through unchanged (no carriage return
// added on Windows). Text for a Windows console is written as UTF-16, so that Chinese shows
// whatever its code page; redirected, it stays UTF-8. A pipe whose reader has gone ends the
// program at once and quietly, as SIGPIPE does on Linux.
class StandardStreams {
  public:
    StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;
    ~StandardStreams();

    std::ostream& out();
    std::ostream& err();

  private:
    struct Buffers;
    std::unique_ptr<Buffers> buffers_;
};

// From here on interruptions are only noted: reading and the row loops see the note and stop
// after the row at hand. A second interruption ends the program at once.
void noteInterruptions();

// The interruption noted, as a signal number (SIGINT or SIGTERM), or 0.
int interruption();

// Ends the program as the interruption `signal` does by default, so that its parent sees why: by
// the signal on Linux, with STATUS_CONTROL_C_EXIT (0xC000013A) on Windows.
[[noreturn]] void endByInterruption(int signal);

}  // namespace bithydraulics
