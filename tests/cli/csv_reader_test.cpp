// The CSV reader on every shape of row it must accept, at several chunk sizes so that rows,
// cells, quotes and line breaks also fall across the boundaries between reads.
#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_errors.h"

namespace bithydraulics::cli {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadRows {
    Rows rows;
    std::vector<std::uint64_t> lines;
};

ReadRows readAll(const std::string& input, std::size_t chunkSize) {
    std::istringstream in(input);
    CsvReader reader(in, chunkSize);
    ReadRows result;
    while (reader.next()) {
        result.rows.emplace_back(reader.cells().begin(), reader.cells().end());
        result.lines.push_back(reader.line());
    }
    return result;
}

struct GoodCase {
    const char* name;
    std::string input;
    Rows rows;
    std::vector<std::uint64_t> lines;
};

// Test names and failure messages show the case by its name.
void PrintTo(const GoodCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<GoodCase>& goodCases() {
    static const std::vector<GoodCase> cases{
        {"LineFeeds", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CrLf", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"NoFinalLineBreak", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"MixedLineEnds", "a\r\nb\nc", {{"a"}, {"b"}, {"c"}}, {1, 2, 3}},
        {"ByteOrderMark",
         "\xEF\xBB\xBF"
         "a,b\n1,2\n",
         {{"a", "b"}, {"1", "2"}},
         {1, 2}},
        {"ByteOrderMarkAlone", "\xEF\xBB\xBF", {}, {}},
        {"MarkLaterIsText",
         "a\n\xEF\xBB\xBF"
         "b\n",
         {{"a"},
          {"\xEF\xBB\xBF"
           "b"}},
         {1, 2}},
        {"EmptyInput", "", {}, {}},
        {"EmptyCells", ",,\n", {{"", "", ""}}, {1}},
        {"TrailingComma", "a,\n", {{"a", ""}}, {1}},
        {"QuotedComma", "\"1,5\",x\n", {{"1,5", "x"}}, {1}},
        {"DoubledQuotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{"say \"hi\"", "\""}}, {1}},
        {"EmptyQuotedCell", "\"\",a\n", {{"", "a"}}, {1}},
        {"QuotedLineFeed", "\"x\ny\",z\nnext\n", {{"x\ny", "z"}, {"next"}}, {1, 3}},
        {"QuotedCrLfKept", "\"x\r\ny\"\r\nnext\r\n", {{"x\r\ny"}, {"next"}}, {1, 3}},
        {"QuotedCarriageReturn", "\"a\rb\"\n", {{"a\rb"}}, {1}},
        {"QuotedLastCellAtEnd", "a,\"b\"", {{"a", "b"}}, {1}},
        {"BlankLinesSkipped", "\na\n\n \t\r\nb\n\r\n", {{"a"}, {"b"}}, {2, 5}},
        {"QuotedEmptyRowKept", "\"\"\n", {{""}}, {1}},
        {"BlanksInsideCellsKept", " a , b \n", {{" a ", " b "}}, {1}},
        {"Utf8Cells",
         "排量,泥浆密度\n32L/s,１．２\n",
         {{"排量", "泥浆密度"}, {"32L/s", "１．２"}},
         {1, 2}},
        {"NulByteIsText", std::string("a\0b\n", 4), {{std::string("a\0b", 3)}}, {1}},
    };
    return cases;
}

class CsvReaderGoodTest : public ::testing::TestWithParam<std::tuple<GoodCase, std::size_t>> {};

TEST_P(CsvReaderGoodTest, ReadsCellsAndLines) {
    const auto& [testCase, chunkSize] = GetParam();
    const ReadRows read = readAll(testCase.input, chunkSize);
    EXPECT_EQ(read.rows, testCase.rows);
    EXPECT_EQ(read.lines, testCase.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvReaderGoodTest,
                         ::testing::Combine(::testing::ValuesIn(goodCases()),
                                            ::testing::Values(4, 5, 7, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_chunk" +
                                    std::to_string(std::get<1>(info.param));
                         });

struct BadCase {
    const char* name;
    std::string input;
    std::uint64_t line;
    std::string message;  // a part of what the error says
    std::size_t rowsBefore;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<BadCase>& badCases() {
    static const std::vector<BadCase> cases{
        {"UnterminatedQuote", "a\n\"open\nstill open\n", 2, "never closed", 1},
        {"UnterminatedQuoteAtEnd", "a\nb,\"", 2, "never closed", 1},
        {"QuoteInBareCell", "a\nab\"c\n", 2, "quote inside an unquoted cell", 1},
        {"TextAfterClosingQuote", "a\n\"ab\"c\n", 2, "after the closing quote", 1},
        {"SpaceAfterClosingQuote", "\"ab\" \n", 1, "after the closing quote", 0},
        {"BareCarriageReturn", "a\rb\n", 1, "carriage return without a line feed", 0},
        {"CarriageReturnAtEnd", "a\nb\r", 2, "carriage return without a line feed", 1},
        {"InvalidUtf8", "a\n\xFF\n", 2, "invalid UTF-8", 1},
        {"OverlongUtf8", "a\nb\xC0\xAF\n", 2, "invalid UTF-8", 1},
        {"CellsDoNotJoinIntoACharacter", "a,b\n\xE6,\x8E\x92", 2, "invalid UTF-8", 1},
        {"QuotedCellsDoNotJoin", "a,b\n\"\xE6\",\"\x8E\x92\"\n", 2, "invalid UTF-8", 1},
        {"InvalidUtf8OnLaterLineOfCell", "\"x\ny\nz\xE6\x8E\"\n", 3, "invalid UTF-8", 0},
        {"RowTooLong", "a\n\"" + std::string(CsvReader::kMaxRowBytes + 1, 'x') + "\"\n", 2,
         "longer than", 1},
    };
    return cases;
}

class CsvReaderBadTest : public ::testing::TestWithParam<std::tuple<BadCase, std::size_t>> {};

TEST_P(CsvReaderBadTest, NamesTheLineAfterTheRowsBefore) {
    const auto& [testCase, chunkSize] = GetParam();
    std::istringstream in(testCase.input);
    CsvReader reader(in, chunkSize);
    std::size_t rows = 0;
    try {
        while (reader.next()) {
            ++rows;
        }
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_EQ(error.line(), testCase.line);
        EXPECT_NE(std::string(error.what()).find(testCase.message), std::string::npos)
            << error.what();
        EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(testCase.line), 0), 0u);
    }
    EXPECT_EQ(rows, testCase.rowsBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvReaderBadTest,
                         ::testing::Combine(::testing::ValuesIn(badCases()),
                                            ::testing::Values(4, 7, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_chunk" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST(CsvReaderTest, ReadsManyRowsAcrossChunksInOrder) {
    std::string input = "i,text\n";
    for (int i = 0; i < 5000; ++i) {
        input += std::to_string(i) + (i % 3 == 0 ? ",\"q,\"\"x\"\"\"\r\n" : ",plain\n");
    }
    for (const std::size_t chunkSize : {std::size_t{13}, std::size_t{4096}}) {
        const ReadRows read = readAll(input, chunkSize);
        ASSERT_EQ(read.rows.size(), 5001u);
        for (int i = 0; i < 5000; ++i) {
            const auto& row = read.rows[static_cast<std::size_t>(i) + 1];
            EXPECT_EQ(row[0], std::to_string(i));
            EXPECT_EQ(row[1], i % 3 == 0 ? "q,\"x\"" : "plain");
            EXPECT_EQ(read.lines[static_cast<std::size_t>(i) + 1],
                      static_cast<std::uint64_t>(i) + 2);
        }
    }
}

TEST(CsvReaderTest, RowJustUnderTheLimitIsRead) {
    const std::string cell(CsvReader::kMaxRowBytes, 'x');
    const ReadRows read = readAll(cell + "\n", 64 * 1024);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0][0].size(), CsvReader::kMaxRowBytes);
}

}  // namespace
}  // namespace bithydraulics::cli
