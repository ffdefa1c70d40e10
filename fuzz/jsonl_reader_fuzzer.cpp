// Arbitrary bytes as JSON Lines batch input. It must never crash; each object the reader gives
// must hold what a JSON parser finds on its line; every object read must come out as one output
// row carrying its texts; and what cannot be read must end in one clear error.
#include <algorithm>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cases/column_names.h"
#include "cases/errors.h"
#include "cases/jsonl_reader.h"
#include "cases/output_buffer.h"
#include "cases/text.h"
#include "cli/case/nozzle_list_text.h"
#include "cli/command.h"

namespace {

using namespace bithydraulics::cases;
using bithydraulics::cli::Options;
using bithydraulics::cli::runBatch;
using bithydraulics::cli::Streams;
using Json = nlohmann::json;

// Stops the run, naming the line whose expectation failed.
void checkAt(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}
#define check(condition) checkAt((condition), __LINE__)

// The input's lines as the reader numbers them: split at LF, a CR before it dropped, a
// byte-order mark at the start skipped.
std::vector<std::string> linesOf(std::string text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// Whether `text` is what the reader should give for `value`.
bool sameValue(const std::string& text, const Json& value) {
    if (value.is_null()) {
        return text.empty();
    }
    if (value.is_string()) {
        return text == value.get<std::string>();
    }
    if (value.is_number_float()) {
        double figure = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), figure);
        // A figure below the smallest double reads as zero.
        return (error == std::errc() && figure == value.get<double>()) ||
               (error == std::errc::result_out_of_range && value.get<double>() == 0);
    }
    if (value.is_number_unsigned()) {
        return text == std::to_string(value.get<std::uint64_t>());
    }
    return value.is_number_integer() && text == std::to_string(value.get<std::int64_t>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t chunkSize = 4 + data[0] % 29;
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> lines = linesOf(input);
    // Text in UTF-8 throughout is read as UTF-8, whatever the chunks, and so as the parser reads
    // its raw lines.
    const bool utf8 = findInvalidUtf8(input) == std::string_view::npos;

    // Each object against the parser's reading of its line.
    std::vector<std::vector<std::pair<std::string, std::string>>> objects;
    {
        std::istringstream in(input);
        JsonLinesReader reader(in, Encoding::Detect, chunkSize);
        try {
            while (reader.next()) {
                check(reader.line() >= 1 && reader.line() <= lines.size());
                // A number beyond a double is given as written, where the parser stops.
                // A text that is not UTF-8 is read in the encoding found from its bytes, which
                // the parser's reading of the raw line cannot stand for: only run then.
                const Json parsed = utf8 ? Json::parse(lines[reader.line() - 1], nullptr, false)
                                         : Json(Json::value_t::discarded);
                check(parsed.is_discarded() || parsed.is_object());
                std::vector<std::pair<std::string, std::string>> members;
                for (const JsonMember& member : reader.members()) {
                    const std::string key(member.key);
                    // With a key given twice the parser keeps only the last value.
                    check(parsed.is_discarded() ||
                          (parsed.contains(key) &&
                           (sameValue(std::string(member.text), parsed[key]) ||
                            parsed.size() < reader.members().size())));
                    members.emplace_back(key, member.text);
                }
                objects.push_back(members);
            }
        } catch (const InputError& error) {
            check(std::string(error.what()).rfind("line ", 0) == 0);
        }
    }

    // Through the batch: one JSON Lines row per object, its texts in their columns.
    Options options;
    options.input = InputFormat::JsonLines;
    options.write.format = RowFormat::JsonLines;
    options.passColumns = {"p"};
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
        }
    }
    const std::vector<std::string> rows = linesOf(out.str());
    const ColumnNames columnNames(options.passColumns, false);
    check(batchFailed ? rows.size() <= objects.size() : rows.size() == objects.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Json row = Json::parse(rows[r]);
        check(row.size() == bithydraulics::kInputCount + 1 + 9 + 2);
        // Each text in the column its key names, as batch resolves names (an input by its field
        // name or caption, ideographic spaces trimmed, or the passed column); a nozzle list
        // stands for the three nozzle fields, which are left empty.
        std::vector<std::string_view> namedAs(columnNames.slotCount());
        for (const auto& [key, text] : objects[r]) {
            if (bithydraulics::cli::isNozzleListName(key)) {
                for (std::size_t i = 0; i < 3; ++i) {
                    check(row[bithydraulics::kInputQuantities[i].name] == "");
                }
                continue;
            }
            const std::optional<std::size_t> slot = columnNames.resolve(key, namedAs);
            check(slot.has_value());
            const std::string column =
                *slot < bithydraulics::kInputCount
                    ? std::string(bithydraulics::kInputQuantities[*slot].name)
                    : columnNames.passColumns()[*slot - bithydraulics::kInputCount];
            check(row.contains(column) && row[column] == text);
        }
        check(row["fault"].get<std::string>().empty() ==
              row["faultQuantity"].get<std::string>().empty());
    }
    return 0;
}
