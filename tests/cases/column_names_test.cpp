// Input names on the command line and column names in batch input.
#include "cases/column_names.h"

#include <gtest/gtest.h>

#include <string>

#include "cases/errors.h"

namespace bithydraulics::cases {
namespace {

std::string usageError(const auto& call) {
    try {
        call();
    } catch (const UsageError& error) {
        return error.what();
    }
    return "no error";
}

TEST(AssignmentTest, NamesByFieldNameOrCaption) {
    const Assignment byName = parseAssignment("flowRate=32");
    EXPECT_EQ(byName.input, 3u);
    EXPECT_EQ(byName.name, "flowRate");
    EXPECT_EQ(byName.text, "32");
    const Assignment byCaption = parseAssignment("排量=32L/s");
    EXPECT_EQ(byCaption.input, 3u);
    EXPECT_EQ(byCaption.name, "排量");
    EXPECT_EQ(byCaption.text, "32L/s");
    for (std::size_t i = 0; i < kInputCount; ++i) {
        EXPECT_EQ(parseAssignment(std::string(kInputQuantities[i].caption) + "=1").input, i);
        EXPECT_EQ(parseAssignment(std::string(kInputQuantities[i].name) + "=1").input, i);
    }
}

TEST(AssignmentTest, TextIsEverythingAfterTheFirstEquals) {
    EXPECT_EQ(parseAssignment("mudDensity=a=b").text, "a=b");
    EXPECT_EQ(parseAssignment("mudDensity=").text, "");
}

TEST(AssignmentTest, RefusesWhatIsNotOneKnownNameWithText) {
    const std::string unknown = usageError([] { parseAssignment("flowrate=32"); });
    EXPECT_NE(unknown.find("unknown input name 'flowrate'"), std::string::npos);
    EXPECT_NE(unknown.find(inputNameList()), std::string::npos);
    EXPECT_NE(inputNameList().find("pumpPressure (泵压)"), std::string::npos);
    EXPECT_NE(usageError([] { parseAssignment("flowRate"); }).find("expected NAME=TEXT"),
              std::string::npos);
    EXPECT_NE(usageError([] { parseAssignment("=3"); }).find("unknown input name ''"),
              std::string::npos);
    EXPECT_NE(usageError([] { parseAssignment("flowRate=\xFF"); }).find("not valid UTF-8"),
              std::string::npos);
}

TEST(AssignmentTest, RefusesTheSameInputTwice) {
    EXPECT_EQ(usageError([] {
                  parseAssignments({"flowRate=32", "mudDensity=1", "排量=30"});
              }),
              "input 'flowRate' is given twice (as 'flowRate' and '排量')");
    EXPECT_NE(usageError([] { parseAssignments({"泵压=1", "泵压=2"}); }), "no error");
    EXPECT_EQ(parseAssignments({"flowRate=32", "泥浆密度=1.3"}).size(), 2u);
}

TEST(ColumnNamesTest, InputsPassColumnsAndResultColumns) {
    for (const bool ignoreResults : {false, true}) {
        const ColumnNames names({"well", "section"}, ignoreResults);
        std::vector<std::string_view> namedAs(names.slotCount());
        EXPECT_EQ(names.resolve("nozzleDiameter1", namedAs), 0u);
        EXPECT_EQ(names.resolve("泵压", namedAs), 10u);
        EXPECT_EQ(names.resolve("well", namedAs), kInputCount);
        EXPECT_EQ(names.resolve("section", namedAs), kInputCount + 1);
        for (const char* name : {"Well", "flowrate"}) {
            const std::string message = usageError([&] { names.resolve(name, namedAs); });
            EXPECT_NE(message.find("unknown column '" + std::string(name) + "'"),
                      std::string::npos);
            EXPECT_NE(message.find(", well, section; declare other columns with --pass NAME"),
                      std::string::npos);
        }
        EXPECT_EQ(usageError([&] { names.resolve("well", namedAs); }),
                  "column 'well' is given twice");
        EXPECT_EQ(usageError([&] { names.resolve("排量", namedAs); }), "no error");
        EXPECT_EQ(usageError([&] { names.resolve("flowRate", namedAs); }),
                  "input 'flowRate' is given twice (as '排量' and 'flowRate')");
        // The columns of an earlier output: left out on request, refused otherwise.
        for (const char* result : {"bitPressureDrop", "nozzleArea", "fault", "faultQuantity"}) {
            if (ignoreResults) {
                EXPECT_EQ(names.resolve(result, namedAs), std::nullopt) << result;
            } else {
                EXPECT_NE(usageError([&] {
                              names.resolve(result, namedAs);
                          }).find("give --ignore-results"),
                          std::string::npos);
            }
        }
    }
}

TEST(ColumnNamesTest, RefusesPassNamesThatCannotBeColumns) {
    struct Case {
        std::vector<std::string> pass;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {{""}, "--pass needs a column name"},
             {{"flowRate"}, "names an input"},
             {{"钻杆长度"}, "names an input"},
             {{"fault"}, "clash with an output column"},
             {{"faultQuantity"}, "clash with an output column"},
             {{"nozzleArea"}, "clash with an output column"},
             {{"jetVelocity"}, "clash with an output column"},
             {{"well", "well"}, "is given twice"},
         }) {
        EXPECT_NE(usageError([&] { ColumnNames names(c.pass, false); }).find(c.message),
                  std::string::npos)
            << c.message;
    }
}

}  // namespace
}  // namespace bithydraulics::cases
