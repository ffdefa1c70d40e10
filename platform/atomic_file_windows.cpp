// AtomicFile on Windows: a temporary file created anew beside the target (CreateFileW), WriteFile
// until all is taken, FlushFileBuffers, CloseHandle, then MoveFileExW over the target, through to
// the disk. Paths are taken as UTF-8 and handed to the system as UTF-16.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/temporary_name.h"

namespace bithydraulics::platform {
namespace {

WriteFailureReason reasonOf(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return WriteFailureReason::DiskFull;
        case ERROR_ACCESS_DENIED:
            return WriteFailureReason::PermissionDenied;
        case ERROR_PATH_NOT_FOUND:
            return WriteFailureReason::PathMissing;
        case ERROR_WRITE_PROTECT:
            return WriteFailureReason::ReadOnlyFileSystem;
        default:
            return WriteFailureReason::Other;
    }
}

// The system's own words for `error`, in English where the system has them, without the line
// break it ends them with.
std::string systemText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer != nullptr) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr,
                                             0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(std::max(size, 0)));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), text.data(), size,
                            nullptr, nullptr);
    }
    if (buffer != nullptr) {
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '.')) {
        text.pop_back();
    }
    return text.empty() ? "error " + std::to_string(error) : text;
}

// The path as the system takes it: its UTF-8 text turned into UTF-16.
std::wstring widePath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    const auto* bytes = reinterpret_cast<const char*>(utf8.data());
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// ".NAME.1a2b3c4d.tmp" beside NAME: never a name the program reads as a case.
}  // namespace

struct AtomicFile::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::filesystem::path temporary;
};

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
    failure_.path = target_;
    handle_ = std::make_unique<Handle>();
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 100; ++attempt) {
        handle_->temporary =
            temporaryNameBeside(target_, static_cast<unsigned>(GetCurrentProcessId()));
        handle_->file = CreateFileW(widePath(handle_->temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_->file != INVALID_HANDLE_VALUE) {
            return;
        }
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    failure_.reason = reasonOf(error);
    failure_.systemText = systemText(error);
    handle_->temporary.clear();
}

bool AtomicFile::write(std::string_view bytes) {
    if (failure_.failed() || committed_) {
        return false;
    }
    while (!bytes.empty()) {
        // WriteFile takes at most a DWORD's worth at a time.
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        const bool wrote = WriteFile(handle_->file, bytes.data(), chunk, &written, nullptr) != 0;
        if (!wrote || written == 0) {
            // A write that takes nothing without an error means the medium is full.
            const DWORD error = wrote ? static_cast<DWORD>(ERROR_DISK_FULL) : GetLastError();
            failure_.reason = reasonOf(error);
            failure_.systemText = systemText(error);
            discard();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool AtomicFile::commit() {
    if (failure_.failed() || committed_) {
        return committed_;
    }
    const auto fail = [this](DWORD error) {
        failure_.reason = reasonOf(error);
        failure_.systemText = systemText(error);
        discard();
        return false;
    };
    // A full disk may show only here, at the flush or the close.
    if (!FlushFileBuffers(handle_->file)) {
        return fail(GetLastError());
    }
    const HANDLE file = handle_->file;
    handle_->file = INVALID_HANDLE_VALUE;
    if (!CloseHandle(file)) {
        return fail(GetLastError());
    }
    if (!MoveFileExW(widePath(handle_->temporary).c_str(), widePath(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return fail(GetLastError());
    }
    handle_->temporary.clear();
    committed_ = true;
    return true;
}

void AtomicFile::discard() {
    if (!handle_) {
        return;
    }
    if (handle_->file != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_->file);
        handle_->file = INVALID_HANDLE_VALUE;
    }
    if (!handle_->temporary.empty()) {
        DeleteFileW(widePath(handle_->temporary).c_str());
        handle_->temporary.clear();
    }
}

}  // namespace bithydraulics::platform
