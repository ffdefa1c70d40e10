#include "cases/file_input.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "cases/errors.h"

namespace bithydraulics::cases {
namespace {

volatile std::sig_atomic_t noted = 0;

extern "C" void noteSignal(int signal) {
    noted = signal;
}

}  // namespace

FileInput::FileInput(const std::string& path)
    : descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), owned_(true) {
    if (descriptor_ < 0) {
        throw UsageError("cannot open '" + path + "': " + std::strerror(errno));
    }
}

FileInput::~FileInput() {
    if (owned_) {
        ::close(descriptor_);
    }
}

FileInput::int_type FileInput::underflow() {
    // SIGINT and SIGTERM are let in only while waiting for input, so that none slips in between
    // the look at the note and the wait.
    sigset_t interrupting;
    sigset_t previous;
    sigemptyset(&interrupting);
    sigaddset(&interrupting, SIGINT);
    sigaddset(&interrupting, SIGTERM);
    for (;;) {
        pthread_sigmask(SIG_BLOCK, &interrupting, &previous);
        pollfd ready{descriptor_, POLLIN, 0};
        while (interruption() == 0 && ppoll(&ready, 1, nullptr, &previous) < 0 && errno == EINTR) {
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        if (interruption() != 0) {
            throw Interrupted{};
        }
        const ssize_t count = ::read(descriptor_, buffer_.data(), buffer_.size());
        if (count >= 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
            return count == 0 ? traits_type::eof() : traits_type::to_int_type(buffer_[0]);
        }
        if (errno != EINTR) {
            throw ReadError(std::strerror(errno));
        }
    }
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

void endBySignal(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace bithydraulics::cases
