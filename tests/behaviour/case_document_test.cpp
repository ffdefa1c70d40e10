// The names a case file gets and the recent-files list.
#include "behaviour/case_document.h"

#include <gtest/gtest.h>

namespace bithydraulics {
namespace {

TEST(CaseFileName, TheExtensionIsAddedOnlyToANameWithoutOne) {
    struct Row {
        const char* name;
        const char* typed;
        const char* written;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"bare name", "/home/u/井A", "/home/u/井A.csv"},
             {"has one", "/home/u/a.CSV", "/home/u/a.CSV"},
             {"another one kept", "/home/u/a.txt", "/home/u/a.txt"},
             {"dot in a folder only", "/home/u/v1.2/case", "/home/u/v1.2/case.csv"},
             {"Windows folder with a dot", "C:\\v1.2\\case", "C:\\v1.2\\case.csv"},
             {"hidden file", "/home/u/.case", "/home/u/.case.csv"},
             {"trailing dot", "/home/u/case.", "/home/u/case.csv"},
         }) {
        EXPECT_EQ(withCaseFileExtension(row.typed), row.written) << row.name;
    }
}

TEST(RecentFiles, TheLatestComesFirstOnceAndTheOldestDropOff) {
    std::vector<std::string> recent;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/f"}) {
        recent = withRecentFile(recent, path);
    }
    EXPECT_EQ(recent, (std::vector<std::string>{"/f", "/e", "/d", "/c", "/b"}));
    recent = withRecentFile(recent, "/c");
    EXPECT_EQ(recent, (std::vector<std::string>{"/c", "/f", "/e", "/d", "/b"}));
}

}  // namespace
}  // namespace bithydraulics
