// A whole case as one step of undo, whichever view replaces the fields' texts.
#include <gtest/gtest.h>

#include "behaviour/group_edit_record.h"

namespace bithydraulics {
namespace {

InputTexts textsWith(int index, std::string text) {
    InputTexts texts;
    texts.fill("1");
    texts[static_cast<std::size_t>(index)] = std::move(text);
    return texts;
}

TEST(GroupEditRecord, TakesBackTheLatestEditWholeOnlyWhileTheFieldsReadAsItLeftThem) {
    GroupEditRecord record;
    const InputTexts start = textsWith(0, "1");
    InputTexts pasted = start;
    pasted[2] = "20";
    pasted[5] = "21";
    record.record(start, pasted);
    const InputTexts opened = textsWith(3, "30");
    record.record(pasted, opened);
    record.record(opened, opened);  // changed nothing: no step

    // Typed into since: out of reach until the typing is taken back.
    EXPECT_FALSE(record.takeBack(textsWith(3, "31")));
    const auto latest = record.takeBack(opened);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->before, pasted);
    EXPECT_EQ(latest->changed, (std::vector<int>{2, 3, 5}));

    const auto earlier = record.takeBack(pasted);
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->before, start);
    EXPECT_EQ(earlier->changed, (std::vector<int>{2, 5}));
    EXPECT_FALSE(record.takeBack(start));
}

}  // namespace
}  // namespace bithydraulics
