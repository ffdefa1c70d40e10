// The JSON Lines reader: the members it hands out, and the line it names for what it refuses.
#include "cases/jsonl_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cases/errors.h"

namespace bithydraulics::cases {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

struct JsonLinesGoodCase {
    const char* name;
    std::string input;
    std::vector<Members> objects;
    std::vector<std::uint64_t> lines;
};

// Test names and failure messages show the case by its name.
void PrintTo(const JsonLinesGoodCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<JsonLinesGoodCase>& jsonLinesGoodCases() {
    static const std::vector<JsonLinesGoodCase> cases{
        {"Strings",
         "{\"flowRate\":\"32L/s\",\"well\":\"A-1\"}\n",
         {{{"flowRate", "32L/s"}, {"well", "A-1"}}},
         {1}},
        {"NumbersAsWritten",
         "{\"a\":1.50,\"b\":1E5,\"c\":-2.5e-3,\"d\":0.0}",
         {{{"a", "1.50"}, {"b", "1E5"}, {"c", "-2.5e-3"}, {"d", "0.0"}}},
         {1}},
        {"Integers",
         "{\"a\":32,\"b\":-7,\"c\":18446744073709551615,\"d\":-0}",
         {{{"a", "32"}, {"b", "-7"}, {"c", "18446744073709551615"}, {"d", "0"}}},
         {1}},
        {"IntegerBeyond64Bits",
         "{\"a\":123456789012345678901234567890}",
         {{{"a", "123456789012345678901234567890"}}},
         {1}},
        {"Escapes", "{\"\\u6392\\u91cf\":\"a\\\"b\\\\c\\n\"}", {{{"排量", "a\"b\\c\n"}}}, {1}},
        {"EmptyObject", "{}\n", {{}}, {1}},
        {"NullGivesNoText", "{\"a\":null}\n", {{{"a", "(null)"}}}, {1}},
        {"OrderKept", "{\"z\":\"1\",\"a\":\"2\"}", {{{"z", "1"}, {"a", "2"}}}, {1}},
        {"BlankLinesAndCrLf",
         "\r\n{\"a\":1}\r\n  \t\n\n{\"b\":2}\r\n",
         {{{"a", "1"}}, {{"b", "2"}}},
         {2, 5}},
        {"ByteOrderMark", "\xEF\xBB\xBF{\"a\":\"x\"}\n", {{{"a", "x"}}}, {1}},
        {"BlanksAroundObject", "  {\"a\" : \"x\" }  \n", {{{"a", "x"}}}, {1}},
        {"Empty", "", {}, {}},
        // Beyond the range of a double: given as written, for the row to fault on.
        {"NumbersBeyondDouble",
         "{\"a\":1e400,\"b\":-2.5E+999,\"c\":\"1e400\",\"d\":1e-999}",
         {{{"a", "1e400"}, {"b", "-2.5E+999"}, {"c", "1e400"}, {"d", "1e-999"}}},
         {1}},
    };
    return cases;
}

class JsonLinesReaderGoodTest
    : public ::testing::TestWithParam<std::tuple<JsonLinesGoodCase, std::size_t>> {};

TEST_P(JsonLinesReaderGoodTest, ReadsMembersAndLines) {
    const auto& [testCase, chunkSize] = GetParam();
    std::istringstream in(testCase.input);
    JsonLinesReader reader(in, Encoding::Utf8, chunkSize);
    std::vector<Members> objects;
    std::vector<std::uint64_t> lines;
    while (reader.next()) {
        Members members;
        for (const JsonMember& member : reader.members()) {
            members.emplace_back(member.key, member.null ? "(null)" : member.text);
        }
        objects.push_back(members);
        lines.push_back(reader.line());
    }
    EXPECT_EQ(objects, testCase.objects);
    EXPECT_EQ(lines, testCase.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonLinesReaderGoodTest,
                         ::testing::Combine(::testing::ValuesIn(jsonLinesGoodCases()),
                                            ::testing::Values(4, 9, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_chunk" +
                                    std::to_string(std::get<1>(info.param));
                         });

struct JsonLinesBadCase {
    const char* name;
    std::string input;
    std::uint64_t line;
    std::string message;
};

void PrintTo(const JsonLinesBadCase& c, std::ostream* os) {
    *os << c.name;
}

class JsonLinesReaderBadTest : public ::testing::TestWithParam<JsonLinesBadCase> {};

TEST_P(JsonLinesReaderBadTest, NamesTheLine) {
    const JsonLinesBadCase& testCase = GetParam();
    std::istringstream in("{\"a\":1}\n\n" + testCase.input);
    JsonLinesReader reader(in, Encoding::Utf8, 7);
    ASSERT_TRUE(reader.next());
    try {
        while (reader.next()) {
        }
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_NE(std::string(error.what()).find(testCase.message), std::string::npos)
            << error.what();
        EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(testCase.line), 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonLinesReaderBadTest,
    ::testing::Values(
        JsonLinesBadCase{"InvalidJson", "{\"a\":}\n", 3, "invalid JSON: column 6"},
        JsonLinesBadCase{"Truncated", "{\"a\":\"x\"\n", 3, "invalid JSON"},
        JsonLinesBadCase{"TwoObjectsOnALine", "{\"a\":1} {\"b\":2}\n", 3, "invalid JSON"},
        JsonLinesBadCase{"NotAnObject", "[1,2]\n", 3, "expected a JSON object"},
        JsonLinesBadCase{"BareNumber", "42\n", 3, "expected a JSON object"},
        JsonLinesBadCase{"BareString", "\"x\"\n", 3, "expected a JSON object"},
        JsonLinesBadCase{"BooleanValue", "{\"a\":true}\n", 3, "'a' is true or false"},
        JsonLinesBadCase{"ArrayValue", "{\"b\":[1]}\n", 3, "'b' is an array"},
        JsonLinesBadCase{"ObjectValue", "{\"c\":{\"d\":1}}\n", 3, "'c' is an object"},
        JsonLinesBadCase{"NumberBeyondDoubleThenBadJson", "{\"a\":1e999,}\n", 3, "invalid JSON"},
        JsonLinesBadCase{"InvalidUtf8", "{\"a\":\"\xC3\x28\"}\n", 3,
                         "line 3, byte 7: the text is not UTF-8"},
        JsonLinesBadCase{"NulThenAnotherObject", std::string("{\"a\":30}\0{\"a\":31}\n", 18), 3,
                         "line 3, byte 9: invalid JSON: a NUL byte"},
        JsonLinesBadCase{"NulThenGarbage", std::string("{\"a\":30}\0 ]]]\n", 14), 3, "a NUL byte"},
        JsonLinesBadCase{"NulInAString", std::string("{\"a\":\"3\0\"}\n", 11), 3, "a NUL byte"},
        JsonLinesBadCase{"LaterLine", "{\"a\":1}\n{\"a\":2}\n{oops}\n", 5, "invalid JSON"},
        JsonLinesBadCase{"LineTooLong",
                         "{\"a\":\"" + std::string(JsonLinesReader::kMaxLineBytes, 'x') + "\"}\n",
                         3, "longer than"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bithydraulics::cases
