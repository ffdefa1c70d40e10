// Arbitrary bytes as CSV batch input. The first byte picks the chunk size, the separator (or
// none, to be told from the header line) and whether the bytes bring their own header or follow
// a fixed one; the encoding is always told from the bytes. It must never crash; every input
// row read must come out as one output row whose input cells are exactly the row's, whose results
// are display texts or empty with a fault; and what cannot be read must end in one clear error.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cases/case_table.h"
#include "cases/errors.h"
#include "cases/output_buffer.h"
#include "cases/plain_figure.h"
#include "cases/text_input.h"
#include "cli/command.h"

namespace {

using namespace bithydraulics::cases;
using bithydraulics::cli::Options;
using bithydraulics::cli::runBatch;
using bithydraulics::cli::Streams;

// Stops the run, naming the line whose expectation failed.
void checkAt(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}
#define check(condition) checkAt((condition), __LINE__)

using Rows = std::vector<std::vector<std::string>>;

// Every row the shared case-table reader gives before the end or an error, the header first
// with its unnamed cells empty: what batch must write back.
Rows readRows(const std::string& text, const ReadOptions& options, std::size_t chunkSize,
              bool& failed) {
    std::istringstream in(text);
    Rows rows;
    failed = false;
    try {
        CaseTableReader reader(in, options, chunkSize);
        rows.emplace_back(reader.width());
        for (const CaseColumn& column : reader.columns()) {
            rows.back()[column.cell] = column.name;
        }
        while (reader.next()) {
            rows.emplace_back();
            for (std::size_t i = 0; i < reader.width(); ++i) {
                rows.back().emplace_back(reader.cell(i));
            }
        }
    } catch (const InputError& error) {
        check(std::string(error.what()).rfind("line ", 0) == 0);
        failed = true;
    }
    return rows;
}

// The rows of the batch's own output, CSV in UTF-8 with `separator`.
Rows outputRows(const std::string& text, char separator, bool& failed) {
    std::istringstream in(text);
    CsvReader reader(in, {Encoding::Utf8, separator});
    Rows rows;
    failed = false;
    try {
        while (reader.next()) {
            rows.emplace_back(reader.cells().begin(), reader.cells().end());
        }
    } catch (const InputError&) {
        failed = true;
    }
    return rows;
}

// "-?digits.dd%?", the only shape a displayed result takes.
bool isDisplayText(const std::string& text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i == digits || i + 3 > text.size() || text[i] != '.') {
        return false;
    }
    const std::string rest = text.substr(i + 1);
    return (rest.size() == 2 || rest == rest.substr(0, 2) + "%") && rest[0] >= '0' &&
           rest[0] <= '9' && rest[1] >= '0' && rest[1] <= '9';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t control = data[0];
    const std::size_t chunkSize = 4 + (control >> 4) % 29;
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    Options options;
    options.strict = (control & 2) != 0;
    const char headerSeparator = (control & 4) != 0 ? ';' : ',';
    options.write.separator = headerSeparator;
    options.read.separator = (control & 8) != 0 ? 0 : headerSeparator;
    if ((control & 1) == 0) {
        input = "flowRate" + std::string(1, headerSeparator) + "p" +
                std::string(1, headerSeparator) + "泥浆密度\n" + input;
        options.passColumns = {"p"};
    }

    // The rows as a reader with a different chunk size sees them: where a chunk ends decides
    // nothing, the encoding found included.
    bool readFailed = false;
    Rows expected = readRows(input, options.read, chunkSize, readFailed);
    // A first line naming the separator is honoured by both readers alike; the batch then
    // writes with the separator asked for.
    const char separator = options.write.separator;

    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    bool batchFailed = false;
    {
        OutputBuffer buffer(out, 64);
        Streams streams{in, buffer, err};
        try {
            runBatch(options, streams);
        } catch (const InputError& error) {
            check(std::string(error.what()).rfind("line ", 0) == 0);
            batchFailed = true;
        } catch (const UsageError&) {
            batchFailed = true;  // a --pass column missing from the header
        }
    }
    bool outputFailed = false;
    const Rows output = outputRows(out.str(), separator, outputFailed);
    check(!outputFailed);
    if (output.empty()) {
        check(batchFailed);  // no header, or the header itself was refused
        return 0;
    }
    check(!readFailed || batchFailed);
    if (expected.empty()) {
        // The reader met the error while still taking the header (a small chunk reads ahead into
        // the next line); batch, reading larger chunks, may have written the header first.
        check(readFailed);
        return 0;
    }
    // The named columns of the header, trimmed; columns under an empty header cell are left out.
    std::vector<std::size_t> named;
    for (std::size_t c = 0; c < expected[0].size(); ++c) {
        if (!trimBlanks(expected[0][c]).empty()) {
            named.push_back(c);
        }
    }
    check(output[0].size() == named.size() + 9 + 2);
    for (std::size_t k = 0; k < named.size(); ++k) {
        check(output[0][k] == trimBlanks(expected[0][named[k]]));
    }
    check(output.size() <= expected.size());
    for (std::size_t r = 1; r < output.size(); ++r) {
        const std::vector<std::string>& row = output[r];
        check(row.size() == named.size() + 9 + 2);
        for (std::size_t k = 0; k < named.size(); ++k) {
            check(row[k] == expected[r][named[k]]);
        }
        const bool faulted = !row[named.size() + 9].empty();
        check(faulted != row[named.size() + 10].empty());
        for (std::size_t c = 0; c < 9; ++c) {
            const std::string& text = row[named.size() + c];
            check(faulted ? text.empty() : isDisplayText(text));
        }
    }
    // Without an error every row came through.
    if (!batchFailed) {
        check(output.size() == expected.size());
    }
    return 0;
}
