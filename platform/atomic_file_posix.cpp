// AtomicFile on POSIX: a temporary file opened exclusively beside the target, write(2) until all
// is taken, fsync(2), close(2), rename(2), then fsync(2) of the folder so the rename lasts too.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/temporary_name.h"

namespace bithydraulics::platform {
namespace {

WriteFailureReason reasonOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return WriteFailureReason::DiskFull;
        case EACCES:
        case EPERM:
            return WriteFailureReason::PermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return WriteFailureReason::PathMissing;
        case EROFS:
            return WriteFailureReason::ReadOnlyFileSystem;
        default:
            return WriteFailureReason::Other;
    }
}

// The file the bytes finally land in: the target, or the file a symbolic link at it names.
std::filesystem::path resolvedTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
        if (!error) {
            return resolved;
        }
    }
    return target;
}

// ".NAME.1a2b3c4d.tmp" beside NAME: hidden, and never a name the program reads as a case.
}  // namespace

struct AtomicFile::Handle {
    int descriptor = -1;
    std::filesystem::path temporary;
};

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
    failure_.path = target_;
    const std::filesystem::path destination = resolvedTarget(target_);
    handle_ = std::make_unique<Handle>();
    for (int attempt = 0; attempt < 100; ++attempt) {
        handle_->temporary = temporaryNameBeside(destination, static_cast<unsigned>(::getpid()));
        // 0666 less the umask, as a file the program creates anew would have.
        handle_->descriptor =
            ::open(handle_->temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle_->descriptor >= 0 || errno != EEXIST) {
            break;
        }
    }
    if (handle_->descriptor < 0) {
        const int error = errno;
        failure_.reason = reasonOf(error);
        failure_.systemText = std::strerror(error);
        handle_->temporary.clear();
        return;
    }
    // A file written over keeps its permissions.
    struct stat old {};
    if (::stat(destination.c_str(), &old) == 0) {
        ::fchmod(handle_->descriptor, old.st_mode & 07777);
    }
}

bool AtomicFile::write(std::string_view bytes) {
    if (failure_.failed() || committed_) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle_->descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A write that takes nothing without an error means the medium is full.
            const int error = written < 0 ? errno : ENOSPC;
            failure_.reason = reasonOf(error);
            failure_.systemText = std::strerror(error);
            discard();
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFile::commit() {
    if (failure_.failed() || committed_) {
        return committed_;
    }
    const auto fail = [this](int error) {
        failure_.reason = reasonOf(error);
        failure_.systemText = std::strerror(error);
        discard();
        return false;
    };
    // Some file systems report a full disk only here, at the flush or the close.
    if (::fsync(handle_->descriptor) != 0 && errno != EINVAL) {
        return fail(errno);
    }
    const int descriptor = handle_->descriptor;
    handle_->descriptor = -1;
    if (::close(descriptor) != 0 && errno != EINTR) {
        return fail(errno);
    }
    const std::filesystem::path destination = resolvedTarget(target_);
    if (::rename(handle_->temporary.c_str(), destination.c_str()) != 0) {
        return fail(errno);
    }
    handle_->temporary.clear();
    committed_ = true;
    // The rename itself reaches the disk with the folder; failing that is no reason to fail the
    // write, which the system now holds.
    const std::filesystem::path folder =
        destination.has_parent_path() ? destination.parent_path() : ".";
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

void AtomicFile::discard() {
    if (!handle_) {
        return;
    }
    if (handle_->descriptor >= 0) {
        ::close(handle_->descriptor);
        handle_->descriptor = -1;
    }
    if (!handle_->temporary.empty()) {
        ::unlink(handle_->temporary.c_str());
        handle_->temporary.clear();
    }
}

}  // namespace bithydraulics::platform
