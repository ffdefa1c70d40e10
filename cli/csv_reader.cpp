#include "cli/csv_reader.h"

#include <algorithm>
#include <array>

#include "cli/cli_errors.h"
#include "cli/utf8.h"

namespace bithydraulics::cli {
namespace {

// The bytes that end a bare cell's run of text.
constexpr std::array<bool, 256> kBareCellStops = [] {
    std::array<bool, 256> stops{};
    stops[static_cast<unsigned char>(',')] = true;
    stops[static_cast<unsigned char>('"')] = true;
    stops[static_cast<unsigned char>('\r')] = true;
    stops[static_cast<unsigned char>('\n')] = true;
    return stops;
}();

}  // namespace

CsvReader::CsvReader(std::istream& in, std::size_t chunkSize) : input_(in, chunkSize) {}

bool CsvReader::next() {
    for (;;) {
        if (input_.available().empty()) {
            return false;
        }
        rowLine_ = line_;
        if (!readSimpleRow()) {
            readRow();
        }
        if (!isBlankRow()) {
            return true;
        }
    }
}

bool CsvReader::readSimpleRow() {
    // The common case: the whole line lies in the chunk at hand and holds no quote and no CR
    // but the one before its LF. Its cells are then views into the chunk, copied nowhere.
    const std::string_view chunk = input_.available();
    const std::size_t lineFeed = chunk.find('\n');
    if (lineFeed == std::string_view::npos) {
        return false;
    }
    std::string_view line = chunk.substr(0, lineFeed);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    cells_.clear();
    std::size_t begin = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ',') {
            cells_.push_back(line.substr(begin, i - begin));
            begin = i + 1;
        } else if (c == '"' || c == '\r') {
            return false;
        }
    }
    cells_.push_back(line.substr(begin));
    firstCellQuoted_ = false;
    checkUtf8(line, line);
    input_.consume(lineFeed + 1);
    ++line_;
    return true;
}

void CsvReader::readRow() {
    text_.clear();
    ends_.clear();
    firstCellQuoted_ = false;
    for (bool more = true; more;) {
        const std::string_view start = input_.available();
        if (!start.empty() && start.front() == '"') {
            input_.consume(1);
            firstCellQuoted_ = firstCellQuoted_ || ends_.empty();
            readQuotedCell();
        } else {
            readBareCell();
        }
        ends_.push_back(text_.size());
        more = endCell();
    }
    cells_.clear();
    std::size_t begin = 0;
    for (const std::size_t end : ends_) {
        cells_.emplace_back(text_.data() + begin, end - begin);
        begin = end;
    }
    // Cell by cell: the bytes of two neighbouring cells must not make one character together.
    for (const std::string_view cell : cells_) {
        checkUtf8(text_, cell);
    }
}

bool CsvReader::endCell() {
    const std::string_view rest = input_.available();
    if (rest.empty()) {
        return false;  // the last row, without a line break
    }
    input_.consume(1);
    if (rest.front() == ',') {
        return true;
    }
    if (rest.front() == '\r') {
        const std::string_view lineFeed = input_.available();
        if (lineFeed.empty() || lineFeed.front() != '\n') {
            throw InputError(line_, "carriage return without a line feed");
        }
        input_.consume(1);
    }
    ++line_;
    return false;
}

void CsvReader::readBareCell() {
    for (;;) {
        const std::string_view chunk = input_.available();
        if (chunk.empty()) {
            return;
        }
        std::size_t n = 0;
        while (n < chunk.size() && !kBareCellStops[static_cast<unsigned char>(chunk[n])]) {
            ++n;
        }
        append(chunk.substr(0, n));
        input_.consume(n);
        if (n < chunk.size()) {
            if (chunk[n] == '"') {
                throw InputError(line_,
                                 "quote inside an unquoted cell (quote the whole cell and double "
                                 "each quote in it)");
            }
            return;
        }
    }
}

void CsvReader::readQuotedCell() {
    const std::uint64_t openedOn = line_;
    for (;;) {
        const std::string_view chunk = input_.available();
        if (chunk.empty()) {
            throw InputError(openedOn, "quoted cell is never closed");
        }
        const std::size_t quote = chunk.find('"');
        const std::string_view run = chunk.substr(0, quote);
        line_ += static_cast<std::uint64_t>(std::count(run.begin(), run.end(), '\n'));
        append(run);
        input_.consume(run.size());
        if (quote == std::string_view::npos) {
            continue;
        }
        input_.consume(1);
        const std::string_view after = input_.available();
        if (!after.empty() && after.front() == '"') {
            append("\"");
            input_.consume(1);
            continue;
        }
        if (after.empty() || after.front() == ',' || after.front() == '\r' ||
            after.front() == '\n') {
            return;
        }
        throw InputError(line_, "text after the closing quote of a cell");
    }
}

void CsvReader::append(std::string_view bytes) {
    if (text_.size() + bytes.size() > kMaxRowBytes) {
        throw InputError(rowLine_, "row longer than " + std::to_string(kMaxRowBytes) + " bytes");
    }
    text_.append(bytes);
}

bool CsvReader::isBlankRow() const {
    return cells_.size() == 1 && !firstCellQuoted_ &&
           cells_.front().find_first_not_of(" \t") == std::string_view::npos;
}

void CsvReader::checkUtf8(std::string_view row, std::string_view part) const {
    const std::size_t bad = findInvalidUtf8(part);
    if (bad != std::string_view::npos) {
        const auto linesBefore = std::count(row.data(), part.data() + bad, '\n');
        throw InputError(rowLine_ + static_cast<std::uint64_t>(linesBefore), "invalid UTF-8");
    }
}

}  // namespace bithydraulics::cli
