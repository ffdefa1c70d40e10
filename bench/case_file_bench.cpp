// Opening a case file the window's way: a 100,000-row file as a spreadsheet saves it (GB18030,
// Chinese captions with units, a label column, CRLF), read whole with the shared case-table
// reader, the encoding and the separator told from the bytes. The window offers the cases once
// the table is read, so this is the time before the chooser opens; the goal is under a second.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cases/case_table.h"

namespace {

using namespace bithydraulics;

constexpr std::size_t kRows = 100'000;

// The file's UTF-8 text: a header of captions with units and a well label, then varied rows.
std::string caseFileText() {
    std::string text =
        "井号,1#喷嘴直径(mm),2#喷嘴直径(mm),3#喷嘴直径(mm),排量(L/s),泥浆密度(g/cm3),井径(mm),"
        "钻杆直径(mm),钻铤直径(mm),钻杆长度(m),钻铤长度(m),泵压(MPa)\r\n";
    char line[200];
    for (std::size_t i = 0; i < kRows; ++i) {
        const int length =
            std::snprintf(line, sizeof line,
                          "川西-%zu,%zu,%zu,%zu,%zu.%zu,1.%02zu,216,127,165,%zu,180,%zu.%zu\r\n", i,
                          10 + i % 11, 10 + i % 7, (i % 3) * 7, 20 + i % 20, i % 10, i % 61,
                          1000 + i % 2000, 10 + i % 10, i % 10);
        text.append(line, static_cast<std::size_t>(length));
    }
    return text;
}

std::string toGb18030(const std::string& text) {
    const iconv_t converter = iconv_open("GB18030", "UTF-8");
    std::string result(text.size() * 2, '\0');
    char* in = const_cast<char*>(text.data());
    char* out = result.data();
    std::size_t inLeft = text.size();
    std::size_t outLeft = result.size();
    iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    result.resize(result.size() - outLeft);
    return result;
}

// Writes the file once, in the encoding the benchmark names.
std::string casePath(bool gb18030) {
    const std::string path = std::string("/tmp/case_file_bench_") + (gb18030 ? "gb" : "utf8") +
                             "_" + std::to_string(kRows) + ".csv";
    if (!std::ifstream(path)) {
        const std::string text = caseFileText();
        std::ofstream(path, std::ios::binary) << (gb18030 ? toGb18030(text) : text);
    }
    return path;
}

void readCaseFileTheWindowsWay(benchmark::State& state, bool gb18030) {
    const std::string path = casePath(gb18030);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const cases::CaseTable table = cases::readCaseTable(in, {}, kRows);
        if (table.rowCount() != kRows) {
            state.SkipWithError("not every row was read");
        }
        benchmark::DoNotOptimize(table.inputText(kRows - 1, 3));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}

void BM_OpenCaseFile100kRowsUtf8(benchmark::State& state) {
    readCaseFileTheWindowsWay(state, false);
}
void BM_OpenCaseFile100kRowsGb18030(benchmark::State& state) {
    readCaseFileTheWindowsWay(state, true);
}

BENCHMARK(BM_OpenCaseFile100kRowsUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCaseFile100kRowsGb18030)->Unit(benchmark::kMillisecond);

}  // namespace
