#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Writing a file that is either written whole or not at all. The bytes go to a temporary file in
// the target's folder; every write and the close are checked, the data is flushed to the disk,
// and only then is the temporary file renamed over the target. On any failure the target keeps
// its old contents (or stays absent), the temporary file is removed, and the failure says why.
// The system calls live in one implementation file per platform (atomic_file_posix.cpp).
namespace bithydraulics::platform {

// Why a file could not be written, told apart so that each front-end can say it in its own words.
enum class WriteFailureReason {
    None,
    DiskFull,            // no space left, or the quota reached
    PermissionDenied,    // the folder or the file may not be written
    PathMissing,         // the folder does not exist, or a part of the path is not a folder
    ReadOnlyFileSystem,  // the medium is mounted read-only
    Other,               // anything else; the system's text says what
};

struct WriteFailure {
    WriteFailureReason reason = WriteFailureReason::None;
    std::filesystem::path path;  // the file that was to be written
    std::string systemText;      // the system's own description, e.g. "No space left on device"

    bool failed() const { return reason != WriteFailureReason::None; }
    // One line in English for the command line: "cannot write 'out.csv': disk full (No space
    // left on device)".
    std::string describe() const;
};

// Short English words for a reason: "disk full", "permission denied", ...
std::string_view reasonWords(WriteFailureReason reason);

// A file being written, bytes at a time, that replaces its target only on commit(). Destroyed
// without a commit, or after a failure, it removes its temporary file and leaves the target as
// it was. After the first failure every further call does nothing and failure() keeps the first.
class AtomicFile {
  public:
    // Creates the temporary file beside `target` (beside the file a symbolic link names, so the
    // link stays a link). A failure to do so is kept in failure().
    explicit AtomicFile(std::filesystem::path target);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Appends `bytes`; false once anything has failed.
    bool write(std::string_view bytes);

    // Flushes the file to the disk, closes it and renames it over the target; false, with the
    // target untouched, when any step failed now or before.
    bool commit();

    const WriteFailure& failure() const { return failure_; }
    const std::filesystem::path& target() const { return target_; }

  private:
    struct Handle;  // the platform's own: a descriptor, a handle
    void discard();

    std::filesystem::path target_;
    std::unique_ptr<Handle> handle_;
    WriteFailure failure_;
    bool committed_ = false;
};

// Writes `bytes` as the whole content of `path`, by way of AtomicFile. Returns the failure,
// whose failed() is false on success.
WriteFailure writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace bithydraulics::platform
