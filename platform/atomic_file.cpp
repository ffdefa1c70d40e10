// What every platform's AtomicFile shares: the words for its failures, the temporary file's
// name, discarding what was not committed and the one-call write.
#include "platform/atomic_file.h"

#include <atomic>
#include <cstdio>
#include <random>
#include <string>

#include "platform/temporary_name.h"

namespace bithydraulics::platform {

std::string_view reasonWords(WriteFailureReason reason) {
    switch (reason) {
        case WriteFailureReason::None:
            return "written";
        case WriteFailureReason::DiskFull:
            return "disk full";
        case WriteFailureReason::PermissionDenied:
            return "permission denied";
        case WriteFailureReason::PathMissing:
            return "no such folder";
        case WriteFailureReason::ReadOnlyFileSystem:
            return "read-only file system";
        case WriteFailureReason::Other:
            break;
    }
    return "write failed";
}

std::string WriteFailure::describe() const {
    std::string line = "cannot write '" + path.string() + "': " + std::string(reasonWords(reason));
    if (!systemText.empty()) {
        line += " (" + systemText + ")";
    }
    return line;
}

std::filesystem::path temporaryNameBeside(const std::filesystem::path& target, unsigned processId) {
    static std::atomic<unsigned> counter{0};
    thread_local std::minstd_rand random(processId ^ static_cast<unsigned>(std::random_device{}()));
    char tag[16];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(random()) ^ counter++);
    std::u8string file(1, u8'.');
    file += target.filename().u8string();
    file += u8'.';
    for (const char c : std::string_view(tag)) {
        file += static_cast<char8_t>(c);
    }
    file += u8".tmp";
    std::filesystem::path name = target;
    name.replace_filename(std::filesystem::path(file));
    return name;
}

AtomicFile::~AtomicFile() {
    if (!committed_) {
        discard();
    }
}

WriteFailure writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
    return file.failure();
}

}  // namespace bithydraulics::platform
