// The Windows system calls behind writing a file whole, run under Wine: the old file replaced
// only on commit, nothing left beside it, a missing folder told as such, and a name beyond
// ASCII written where it says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

class AtomicFileWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  (std::string("atomic-file-") +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(AtomicFileWindowsTest, ReplacesTheOldFileOnlyOnCommitAndLeavesNothingBeside) {
    const fs::path target = folder_ / "case.csv";
    std::ofstream(target, std::ios::binary) << "old\n";
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.write("never\n"));
    }
    EXPECT_EQ(contentsOf(target), "old\n");
    AtomicFile file(target);
    ASSERT_TRUE(file.write("new\r\n"));
    ASSERT_TRUE(file.commit()) << file.failure().describe();
    EXPECT_EQ(contentsOf(target), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileWindowsTest, AMissingFolderIsToldAsSuch) {
    const WriteFailure failure = writeFileAtomically(folder_ / "absent" / "case.csv", "x");
    EXPECT_EQ(failure.reason, WriteFailureReason::PathMissing) << failure.describe();
    EXPECT_FALSE(failure.systemText.empty());
}

TEST_F(AtomicFileWindowsTest, ANameInChineseIsWrittenAsNamed) {
    const fs::path target = folder_ / fs::path(u8"水利参数.csv");
    ASSERT_FALSE(writeFileAtomically(target, "a,b\n").failed());
    EXPECT_EQ(contentsOf(target), "a,b\n");
}

}  // namespace
}  // namespace bithydraulics::platform
