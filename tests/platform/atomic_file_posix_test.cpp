// A failed write must leave the old file exactly as it was and nothing beside it. The full disk
// and the read-only medium are real: a tiny tmpfs mounted for the test (skipped where mounting
// is not allowed); the refused permission is a child process without root's rights.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/atomic_file.h"

namespace bithydraulics::platform {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("atomic-file-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        if (mounted_) {
            ::umount(folder_.c_str());
        }
        fs::remove_all(folder_);
    }
    // A tmpfs of `options` over the folder; false where the system does not allow it.
    bool mountTmpfs(const std::string& options, unsigned long flags = 0) {
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", flags, options.c_str()) == 0;
        return mounted_;
    }
    void remountReadOnly() {
        ASSERT_EQ(::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0)
            << std::strerror(errno);
    }

    fs::path folder_;
    bool mounted_ = false;
};

TEST_F(AtomicFileTest, ReplacesTheFileWholeAndKeepsItsPermissions) {
    const fs::path target = folder_ / "case.csv";
    putFile(target, "old contents that are longer than the new\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const WriteFailure failure = writeFileAtomically(target, "new\n");

    EXPECT_FALSE(failure.failed()) << failure.describe();
    EXPECT_EQ(contentsOf(target), "new\n");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entriesIn(folder_), 1u);
}

TEST_F(AtomicFileTest, WritingThroughASymbolicLinkKeepsTheLink) {
    putFile(folder_ / "real.csv", "old\n");
    fs::create_symlink("real.csv", folder_ / "link.csv");

    EXPECT_FALSE(writeFileAtomically(folder_ / "link.csv", "new\n").failed());

    EXPECT_TRUE(fs::is_symlink(folder_ / "link.csv"));
    EXPECT_EQ(contentsOf(folder_ / "real.csv"), "new\n");
}

TEST_F(AtomicFileTest, AFileNeverCommittedLeavesNothingBehind) {
    const fs::path target = folder_ / "results.csv";
    putFile(target, "old\n");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.write("half a ro"));
    }
    EXPECT_EQ(contentsOf(target), "old\n");
    EXPECT_EQ(entriesIn(folder_), 1u);
}

TEST_F(AtomicFileTest, AFullDiskLeavesTheOldFileByteIdenticalAndNoStrayFile) {
    if (!mountTmpfs("size=64k")) {
        GTEST_SKIP() << "mounting a tmpfs is not allowed here: " << std::strerror(errno);
    }
    const fs::path target = folder_ / "case.csv";
    const std::string old = "flowRate,mudDensity\r\n30,1.2\r\n";
    putFile(target, old);

    AtomicFile file(target);
    const std::string block(16 * 1024, 'x');
    bool accepted = true;
    for (int i = 0; i < 16 && accepted; ++i) {
        accepted = file.write(block);
    }
    EXPECT_FALSE(accepted && file.commit());

    EXPECT_EQ(file.failure().reason, WriteFailureReason::DiskFull);
    EXPECT_EQ(contentsOf(target), old);
    EXPECT_EQ(entriesIn(folder_), 1u);
    EXPECT_NE(file.failure().describe().find("case.csv': disk full"), std::string::npos)
        << file.failure().describe();
}

TEST_F(AtomicFileTest, AReadOnlyMediumOrAMissingFolderIsNamedAsSuch) {
    if (!mountTmpfs("size=64k")) {
        GTEST_SKIP() << "mounting a tmpfs is not allowed here: " << std::strerror(errno);
    }
    const fs::path target = folder_ / "case.csv";
    putFile(target, "old\n");
    remountReadOnly();

    EXPECT_EQ(writeFileAtomically(target, "new\n").reason, WriteFailureReason::ReadOnlyFileSystem);
    EXPECT_EQ(writeFileAtomically(folder_ / "no-such" / "case.csv", "new\n").reason,
              WriteFailureReason::PathMissing);
    EXPECT_EQ(contentsOf(target), "old\n");
    EXPECT_EQ(entriesIn(folder_), 1u);
}

TEST_F(AtomicFileTest, AFolderWithoutWritePermissionIsRefusedAndLeftAsItWas) {
    const fs::path target = folder_ / "case.csv";
    putFile(target, "old\n");
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    // Root may write anywhere: the write is tried by a child that gave up root's rights.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        const WriteFailure failure = writeFileAtomically(target, "new\n");
        ::_exit(failure.reason == WriteFailureReason::PermissionDenied ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
        GTEST_SKIP() << "cannot give up root's rights here";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(contentsOf(target), "old\n");
    EXPECT_EQ(entriesIn(folder_), 1u);
}

}  // namespace
}  // namespace bithydraulics::platform
