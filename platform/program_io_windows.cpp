// The program's system interface on Windows.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <streambuf>
#include <utility>

#include "platform/program_io.h"

namespace bithydraulics {
namespace {

// The exit status Windows gives a console program that Ctrl+C ends.
constexpr UINT kControlCExit = 0xC000013A;
// What a POSIX shell reports for a program that a closed pipe (SIGPIPE) ended.
constexpr UINT kClosedPipeExit = 128 + 13;

// Written by the console's control handler, which Windows runs on a thread of its own.
std::atomic<int> noted{0};
HANDLE interruptionEvent = nullptr;

BOOL WINAPI noteControl(DWORD event) {
    const int signal = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    int expected = 0;
    if (!noted.compare_exchange_strong(expected, signal)) {
        ExitProcess(kControlCExit);  // the second ends the program at once
    }
    SetEvent(interruptionEvent);
    return TRUE;
}

std::wstring toWide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

std::string toUtf8(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The system's reason for `error`, in the words the C library uses for the common ones, so that
// messages read as they do on Linux.
std::string reason(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return std::strerror(ENOENT);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return std::strerror(EACCES);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::strerror(ENOSPC);
        default:
            break;
    }
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message =
        length > 0 ? toUtf8(text, static_cast<int>(length)) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Reads a line typed at the console as UTF-8; Ctrl+Z at the start of a line ends the input. The
// line arrives as UTF-16; what does not fit `count` waits in `pending`.
std::optional<std::size_t> readConsole(HANDLE handle, char* to, std::size_t count,
                                       std::string& pending) {
    while (pending.empty()) {
        wchar_t line[4096];
        DWORD read = 0;
        const BOOL done = ReadConsoleW(handle, line, 4096, &read, nullptr);
        if (noted.load() != 0) {
            return std::nullopt;
        }
        if (!done) {
            throw SystemError(reason(GetLastError()));
        }
        if (read == 0 || line[0] == L'\x1A') {
            return 0;
        }
        pending = toUtf8(line, static_cast<int>(read));
    }
    const std::size_t taken = std::min(count, pending.size());
    std::memcpy(to, pending.data(), taken);
    pending.erase(0, taken);
    return taken;
}

// Waits for a pipe to hold bytes or to close, looking in every few milliseconds so that an
// interruption is seen while waiting; then reads what it holds.
std::optional<std::size_t> readPipe(HANDLE handle, char* to, std::size_t count) {
    for (;;) {
        if (noted.load() != 0) {
            return std::nullopt;
        }
        DWORD available = 0;
        if (!PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr)) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE) {
                return 0;
            }
            throw SystemError(reason(error));
        }
        if (available > 0) {
            DWORD read = 0;
            if (!ReadFile(handle, to, static_cast<DWORD>(std::min<std::size_t>(count, available)),
                          &read, nullptr)) {
                throw SystemError(reason(GetLastError()));
            }
            return read;
        }
        WaitForSingleObject(interruptionEvent != nullptr ? interruptionEvent : handle, 5);
    }
}

// A stream buffer over an output handle. To a console, UTF-8 goes out as UTF-16 (a character cut
// at the buffer's end waits for its other bytes); elsewhere bytes go out as they are.
class HandleOutput : public std::streambuf {
  public:
    explicit HandleOutput(DWORD which)
        : handle_(GetStdHandle(which)), console_(isConsole(handle_)) {
        setp(buffer_, buffer_ + sizeof buffer_);
    }
    HandleOutput(const HandleOutput&) = delete;
    HandleOutput& operator=(const HandleOutput&) = delete;
    ~HandleOutput() override { sync(); }

  protected:
    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

  private:
    bool drain() {
        const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
        const bool written = console_ ? writeConsole(size) : writeBytes(pbase(), size);
        return written;
    }

    bool writeBytes(const char* data, std::size_t size) {
        setp(buffer_, buffer_ + sizeof buffer_);
        while (size > 0) {
            DWORD written = 0;
            if (!WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr)) {
                fail(GetLastError());
                return false;
            }
            data += written;
            size -= written;
        }
        return true;
    }

    bool writeConsole(std::size_t size) {
        // Whole characters only: the bytes of one cut off stay for the next time.
        std::size_t whole = size;
        for (std::size_t back = 1; back <= std::min<std::size_t>(3, size); ++back) {
            const auto byte = static_cast<unsigned char>(buffer_[size - back]);
            if ((byte & 0xC0) == 0xC0) {
                const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
                whole = length > back ? size - back : size;
                break;
            }
            if ((byte & 0x80) == 0) {
                break;
            }
        }
        const std::wstring wide = toWide(std::string(buffer_, whole));
        const std::size_t kept = size - whole;
        std::memmove(buffer_, buffer_ + whole, kept);
        setp(buffer_, buffer_ + sizeof buffer_);
        pbump(static_cast<int>(kept));
        for (std::size_t at = 0; at < wide.size();) {
            DWORD written = 0;
            if (!WriteConsoleW(handle_, wide.data() + at, static_cast<DWORD>(wide.size() - at),
                               &written, nullptr)) {
                fail(GetLastError());
                return false;
            }
            at += written;
        }
        return true;
    }

    // A reader that has gone ends the program as on Linux; any other failure leaves its reason
    // in errno for the stream's user.
    static void fail(DWORD error) {
        if (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE) {
            ExitProcess(kClosedPipeExit);
        }
        errno = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL ? ENOSPC : EIO;
    }

    HANDLE handle_;
    bool console_;
    char buffer_[64 * 1024];
};

}  // namespace

std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(toUtf8(wide[i], static_cast<int>(wcslen(wide[i]))));
    }
    LocalFree(wide);
    return arguments;
}

InputChannel InputChannel::standardInput() {
    return {reinterpret_cast<std::intptr_t>(GetStdHandle(STD_INPUT_HANDLE)), false};
}

InputChannel InputChannel::open(const std::string& path) {
    const HANDLE handle =
        CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw SystemError(reason(GetLastError()));
    }
    return {reinterpret_cast<std::intptr_t>(handle), true};
}

InputChannel::InputChannel(InputChannel&& other) noexcept
    : handle_(other.handle_), owned_(other.owned_), pending_(std::move(other.pending_)) {
    other.owned_ = false;
}

InputChannel::~InputChannel() {
    if (owned_) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

std::optional<std::size_t> InputChannel::read(char* to, std::size_t count) {
    const auto handle = reinterpret_cast<HANDLE>(handle_);
    if (noted.load() != 0) {
        return std::nullopt;
    }
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return 0;  // started without standard input
    }
    switch (GetFileType(handle)) {
        case FILE_TYPE_CHAR:
            if (isConsole(handle)) {
                return readConsole(handle, to, count, pending_);
            }
            break;  // a character device such as NUL reads as a file
        case FILE_TYPE_PIPE:
            return readPipe(handle, to, count);
        default:
            break;
    }
    DWORD read = 0;
    if (!ReadFile(handle, to, static_cast<DWORD>(std::min<std::size_t>(count, 1U << 30)), &read,
                  nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) {
            return 0;
        }
        throw SystemError(reason(error));
    }
    return read;
}

struct StandardStreams::Buffers {
    HandleOutput outBuffer{STD_OUTPUT_HANDLE};
    HandleOutput errBuffer{STD_ERROR_HANDLE};
    std::ostream out{&outBuffer};
    std::ostream err{&errBuffer};
};

StandardStreams::StandardStreams() : buffers_(std::make_unique<Buffers>()) {}

StandardStreams::~StandardStreams() {
    buffers_->out.flush();
    buffers_->err.flush();
}

std::ostream& StandardStreams::out() {
    return buffers_->out;
}

std::ostream& StandardStreams::err() {
    return buffers_->err;
}

void noteInterruptions() {
    interruptionEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(noteControl, TRUE);
}

int interruption() {
    return noted.load();
}

void endByInterruption(int) {
    ExitProcess(kControlCExit);
}

}  // namespace bithydraulics
