// What the case-table reader tells from the bytes alone, as a spreadsheet's file arrives: the
// encoding, the separator, decimal commas. Each row is read at chunk sizes that cut characters
// and lines between reads, where a wrong guess would show.
#include "cases/case_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cases/errors.h"
#include "sample_text.h"

namespace bithydraulics::cases {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Every row of `bytes` as the reader gives it, header first, or the error it met.
std::string readAll(const std::string& bytes, std::size_t chunkSize, Rows& rows) {
    std::istringstream in(bytes);
    try {
        CaseTableReader reader(in, {}, chunkSize);
        rows.emplace_back();
        for (const CaseColumn& column : reader.columns()) {
            rows.back().push_back(column.name);
        }
        while (reader.next()) {
            rows.emplace_back();
            for (std::size_t i = 0; i < reader.width(); ++i) {
                rows.back().emplace_back(reader.cell(i));
            }
            if (const auto cell = reader.ambiguousCell()) {
                rows.back().push_back("ambiguous " + std::to_string(*cell + 1));
            }
        }
    } catch (const InputError& error) {
        return error.what();
    }
    return {};
}

struct Detection {
    const char* name;
    std::string bytes;
    Rows rows;          // header first
    std::string error;  // the start of the error, or empty for none
};

std::vector<Detection> detections() {
    const std::string asciiLines = [] {
        std::string lines;
        for (int i = 0; i < 20; ++i) {
            lines += "A-" + std::to_string(i) + ",30\n";
        }
        return lines;
    }();
    Rows asciiRows{{"well", "flowRate"}};
    for (int i = 0; i < 20; ++i) {
        asciiRows.push_back({"A-" + std::to_string(i), "30"});
    }
    Rows lateChinese = asciiRows;
    lateChinese.push_back({"川西", "30"});
    return {
        {"Gb18030AfterManyAsciiLines",
         converted("well,flowRate\n" + asciiLines + "川西,30\n", "GB18030"), lateChinese, ""},
        {"Utf8AfterManyAsciiLines", "well,flowRate\n" + asciiLines + "川西,30\n", lateChinese, ""},
        {"Utf8ThenBytesThatAreNot",
         "井号,排量\n川西,30\n\xB4\xA8,31\n",
         {},
         "line 3, byte 1: the text is not UTF-8 here, though it is before"},
        {"NeitherUtf8NorGb18030",
         "flowRate\n30\n3\x80\n",
         {},
         "line 3, byte 2: the text is neither UTF-8 nor GB18030"},
        {"SemicolonsInTheHeader",
         "井号;排量;泥浆密度\nA;30,5;1,25\nB;\"1.234,5\";1\n",
         {{"井号", "排量", "泥浆密度"},
          {"A", "30.5", "1.25"},
          {"B", "1.234,5", "1", "ambiguous 2"}},
         ""},
        {"DecimalCommaOnlyInInputs",
         "well;排量\n\"1,5\";1,2,3\n",
         {{"well", "排量"}, {"1,5", "1,2,3", "ambiguous 2"}},
         ""},
        {"TabsInTheHeader", "well\tflowRate\nA,1\t30\n", {{"well", "flowRate"}, {"A,1", "30"}}, ""},
        {"QuotedSeparatorsDoNotCount",
         "\"a;b;c\",flowRate\nx,\"30,5\"\n",
         {{"a;b;c", "flowRate"}, {"x", "30,5"}},
         ""},
        {"SepLineOverTheHeader",
         "sep=;\nwell,x;flowRate\nA,1;30\n",
         {{"well,x", "flowRate"}, {"A,1", "30"}},
         ""},
        {"OneColumn", "flowRate\n30\n", {{"flowRate"}, {"30"}}, ""},
        {"UnitsInEveryBracket",
         "排量(L/s);泥浆密度（g/cm3）; 泵压 [MPa] \n30;1,2;13\n",
         {{"排量(L/s)", "泥浆密度（g/cm3）", "泵压 [MPa]"}, {"30", "1.2", "13"}},
         ""},
        {"AUnitNotTheInputs",
         "排量(m3/h)\n108\n",
         {},
         "line 1, column 1: column '排量(m3/h)': the unit of flowRate is L/s"},
    };
}

class DetectionTest : public ::testing::TestWithParam<std::tuple<Detection, std::size_t>> {};

TEST_P(DetectionTest, ReadsWhatTheBytesSay) {
    const auto& [detection, chunkSize] = GetParam();
    Rows rows;
    const std::string error = readAll(detection.bytes, chunkSize, rows);
    if (detection.error.empty()) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(rows, detection.rows);
    } else {
        EXPECT_EQ(error.rfind(detection.error, 0), 0u) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DetectionTest,
                         ::testing::Combine(::testing::ValuesIn(detections()),
                                            ::testing::Values(4, 7, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_chunk" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace bithydraulics::cases
