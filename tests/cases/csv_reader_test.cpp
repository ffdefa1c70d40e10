// The CSV reader on every shape of row it must accept, at several chunk sizes so that rows,
// cells, quotes, line breaks and characters also fall across the boundaries between reads; the
// encodings it reads; and tables under a header row.
#include "cases/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cases/errors.h"
#include "sample_text.h"

namespace bithydraulics::cases {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadRows {
    Rows rows;
    std::vector<std::uint64_t> lines;
};

ReadRows readAll(const std::string& input, std::size_t chunkSize, const ReadOptions& options = {}) {
    std::istringstream in(input);
    CsvReader reader(in, options, chunkSize);
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
    char separator = ',';
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
        {"Semicolons", "a;b\n\"1;5\";1,5\n", {{"a", "b"}, {"1;5", "1,5"}}, {1, 2}, ';'},
        {"Tabs", "a\tb\n1,5\t\"x\ty\"\n", {{"a", "b"}, {"1,5", "x\ty"}}, {1, 2}, '\t'},
        {"SeparatorLine", "sep=;\r\na;b,c\n", {{"a", "b,c"}}, {2}},
        {"SeparatorLineNamingTheSeparator", "sep=,\na,b\n", {{"a", "b"}}, {2}},
        {"SeparatorLineAfterAMark", "\xEF\xBB\xBFsep=\t\na\tb\n", {{"a", "b"}}, {2}},
        {"SeparatorLineLaterIsARow", "a\nsep=;\n", {{"a"}, {"sep=;"}}, {1, 2}},
    };
    return cases;
}

class CsvReaderGoodTest : public ::testing::TestWithParam<std::tuple<GoodCase, std::size_t>> {};

TEST_P(CsvReaderGoodTest, ReadsCellsAndLines) {
    const auto& [testCase, chunkSize] = GetParam();
    const ReadRows read = readAll(testCase.input, chunkSize, {Encoding::Utf8, testCase.separator});
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
        {"InvalidUtf8", "a\n\xFF\n", 2,
         ", byte 1: the text is not UTF-8; save the file as CSV UTF-8, or give --encoding gb18030",
         1},
        {"OverlongUtf8", "a\nb\xC0\xAF\n", 2, ", byte 2: the text is not UTF-8", 1},
        {"CellsDoNotJoinIntoACharacter", "a,b\n\xE6,\x8E\x92", 2, ", byte 1: the text is not", 1},
        {"QuotedCellsDoNotJoin", "a,b\n\"\xE6\",\"\x8E\x92\"\n", 2, ", byte 2: the text", 1},
        {"InvalidUtf8OnLaterLineOfCell", "\"x\ny\nz\xE6\x8E\"\n", 3, ", byte 2: the text", 0},
        {"CharacterCutOffAtTheEnd", "a\nbc\xE6\x8E", 2, ", byte 3: the text is not UTF-8", 1},
        {"NulByteInABareCell", std::string("a,b\nx,1\0 2\n", 12), 2, "column 2: a NUL byte", 1},
        {"NulByteInAQuotedCell", std::string("a\n\"1\0\"\n", 8), 2, "column 1: a NUL byte", 1},
        {"RowTooLong", "a\n\"" + std::string(CsvReader::kMaxRowBytes + 1, 'x') + "\"\n", 2,
         "longer than", 1},
        {"RowOfSeparatorsTooLong", "a\n" + std::string(CsvReader::kMaxRowBytes + 1, ','), 2,
         "longer than", 1},
    };
    return cases;
}

class CsvReaderBadTest : public ::testing::TestWithParam<std::tuple<BadCase, std::size_t>> {};

TEST_P(CsvReaderBadTest, NamesTheLineAfterTheRowsBefore) {
    const auto& [testCase, chunkSize] = GetParam();
    std::istringstream in(testCase.input);
    CsvReader reader(in, {Encoding::Utf8, ','}, chunkSize);
    std::size_t rows = 0;
    try {
        while (reader.next()) {
            ++rows;
        }
        FAIL() << "no error";
    } catch (const InputError& error) {
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

TEST(CsvReaderEncodingTest, TextInAnyEncodingReadsAsItsUtf8) {
    const std::string utf8 =
        "排量,泥浆密度,备注\r\n\"32 L/s\",１．２,\"井\n一\"\n30,1.2,\xF0\x9F\x98\x80 ok\n";
    const ReadRows expected = readAll(utf8, 64 * 1024);
    ASSERT_EQ(expected.rows.size(), 3u);
    struct Case {
        const char* encoding;
        std::string mark;
        Encoding asked;
    };
    for (const Case& c : std::vector<Case>{
             {"GB18030", "", Encoding::Gb18030},
             {"UTF-16LE", "\xFF\xFE", Encoding::Utf8},  // the mark decides
             {"UTF-16BE", "\xFE\xFF", Encoding::Gb18030},
             {"UTF-16LE", "", Encoding::Utf16},
             {"UTF-8", "\xEF\xBB\xBF", Encoding::Utf16},
         }) {
        const std::string input = c.mark + converted(utf8, c.encoding);
        for (const std::size_t chunkSize : {4, 5, 7, 64 * 1024}) {
            const ReadRows read = readAll(input, chunkSize, {c.asked, ','});
            EXPECT_EQ(read.rows, expected.rows) << c.encoding << " chunk " << chunkSize;
            EXPECT_EQ(read.lines, expected.lines) << c.encoding << " chunk " << chunkSize;
        }
    }
}

TEST(CsvReaderEncodingTest, TextNotInItsEncodingNamesItsLine) {
    struct Case {
        std::string input;
        Encoding encoding;
        std::string error;
    };
    for (const Case& c : std::vector<Case>{
             {"a\n\xD2\xBB\n\x81\x20\n", Encoding::Gb18030,
              "line 3, byte 1: the text is not GB18030"},
             {"\xFF\xFE" + converted("a\nb\n", "UTF-16LE") + "c", Encoding::Utf8,
              "line 3, byte 1: the text is not UTF-16"},
             {"\xFF\xFE" + converted("a\n", "UTF-16LE") + std::string("\x00\xDC\x41\x00", 4),
              Encoding::Utf8, "line 2, byte 1: the text is not UTF-16"},
         }) {
        for (const std::size_t chunkSize : {4, 64 * 1024}) {
            try {
                readAll(c.input, chunkSize, {c.encoding, ','});
                ADD_FAILURE() << c.error;
            } catch (const InputError& error) {
                EXPECT_EQ(std::string(error.what()).rfind(c.error, 0), 0u) << error.what();
            }
        }
    }
}

TEST(CsvReaderTest, ReadErrorEndsTheInputAfterTheWholeRowsBefore) {
    FailingBuffer buffer("a,b\n1,2\n3,4");
    std::istream in(&buffer);
    CsvReader reader(in);
    ASSERT_TRUE(reader.next());
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.cells()[1], "2");
    try {
        reader.next();
        ADD_FAILURE() << "the half-read row was taken";
    } catch (const ReadError& error) {
        EXPECT_STREQ(error.what(), "Input/output error");
    }
}

TEST(CsvTableTest, NamesTrimmedEmptyColumnsLeftOut) {
    // Two byte-order marks: the second is no part of the first name.
    std::istringstream in(
        "\xEF\xBB\xBF\xEF\xBB\xBF flowRate ,\tmudDensity,, \r\n30,1.2,,\r\n32,1.3, ,\r\n");
    CsvTable table(in);
    ASSERT_EQ(table.columns().size(), 2u);
    EXPECT_EQ(table.columns()[0].name, "flowRate");
    EXPECT_EQ(table.columns()[1].name, "mudDensity");
    EXPECT_EQ(table.columns()[1].index, 1u);
    EXPECT_EQ(table.width(), 4u);
    for (const char* second : {"1.2", "1.3"}) {
        ASSERT_TRUE(table.next());
        EXPECT_EQ(table.cells()[1], second);
    }
    EXPECT_FALSE(table.next());
}

TEST(CsvTableTest, ErrorsNameTheLineAndColumn) {
    for (const auto& [input, error] : std::vector<std::pair<std::string, std::string>>{
             {"a,,b\n1,,2\n3,x,4\n", "line 3, column 2: a cell under an empty header cell"},
             {"a,b\n1,2\n3\n", "line 3: 1 cell where the header has 2"},
             {"a\n1,2\n", "line 2: 2 cells where the header has 1"},
             {"\n \n", "line 1: no header row"},
         }) {
        try {
            std::istringstream in(input);
            CsvTable table(in);
            while (table.next()) {
            }
            ADD_FAILURE() << error;
        } catch (const InputError& caught) {
            EXPECT_EQ(std::string(caught.what()).rfind(error, 0), 0u) << caught.what();
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
}  // namespace bithydraulics::cases
