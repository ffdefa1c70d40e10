// What every platform's AtomicFile shares: the words for its failures and the one-call write.
#include "platform/atomic_file.h"

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

WriteFailure writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
    return file.failure();
}

}  // namespace bithydraulics::platform
