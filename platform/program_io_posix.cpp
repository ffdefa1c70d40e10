// The program's system interface on Linux and other POSIX systems.
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <utility>

#include "platform/program_io.h"

namespace bithydraulics {
namespace {

volatile std::sig_atomic_t noted = 0;

extern "C" void noteSignal(int signal) {
    noted = signal;
}

}  // namespace

std::vector<std::string> programArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

InputChannel InputChannel::standardInput() {
    return {STDIN_FILENO, false};
}

InputChannel InputChannel::open(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw SystemError(std::strerror(errno));
    }
    return {descriptor, true};
}

InputChannel::InputChannel(InputChannel&& other) noexcept
    : handle_(other.handle_), owned_(other.owned_), pending_(std::move(other.pending_)) {
    other.owned_ = false;
}

InputChannel::~InputChannel() {
    if (owned_) {
        ::close(static_cast<int>(handle_));
    }
}

std::optional<std::size_t> InputChannel::read(char* to, std::size_t count) {
    const auto descriptor = static_cast<int>(handle_);
    // SIGINT and SIGTERM are let in only while waiting for input, so that none slips in between
    // the look at the note and the wait.
    sigset_t interrupting;
    sigset_t previous;
    sigemptyset(&interrupting);
    sigaddset(&interrupting, SIGINT);
    sigaddset(&interrupting, SIGTERM);
    for (;;) {
        pthread_sigmask(SIG_BLOCK, &interrupting, &previous);
        pollfd ready{descriptor, POLLIN, 0};
        while (interruption() == 0 && ppoll(&ready, 1, nullptr, &previous) < 0 && errno == EINTR) {
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        if (interruption() != 0) {
            return std::nullopt;
        }
        const ssize_t bytes = ::read(descriptor, to, count);
        if (bytes >= 0) {
            return static_cast<std::size_t>(bytes);
        }
        if (errno != EINTR) {
            throw SystemError(std::strerror(errno));
        }
    }
}

// The standard streams as the C++ library has them: bytes pass unchanged, and SIGPIPE ends the
// program quietly by default.
struct StandardStreams::Buffers {};

StandardStreams::StandardStreams() {
    std::ios::sync_with_stdio(false);
}

StandardStreams::~StandardStreams() = default;

std::ostream& StandardStreams::out() {
    return std::cout;
}

std::ostream& StandardStreams::err() {
    return std::cerr;
}

void noteInterruptions() {
    struct sigaction action {};
    action.sa_handler = noteSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int interruption() {
    return noted;
}

void endByInterruption(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace bithydraulics
