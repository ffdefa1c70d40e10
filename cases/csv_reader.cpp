#include "cases/csv_reader.h"

#include <algorithm>

#include "cases/errors.h"
#include "cases/plain_figure.h"

namespace bithydraulics::cases {
namespace {

// A header cell's name, without a U+FEFF before it: a second byte-order mark, as a file gets
// when a program that writes one is given text that already has one. No name begins with it,
// and left in, the name written first in a table would be taken for the mark when read back.
std::string_view headerName(std::string_view cell) {
    std::string_view name = trimBlanks(cell);
    while (name.starts_with("\xEF\xBB\xBF")) {
        name = trimBlanks(name.substr(3));
    }
    return name;
}

}  // namespace

CsvReader::CsvReader(std::istream& in, const ReadOptions& options, std::size_t chunkSize)
    : input_(in, options.encoding, chunkSize), detectSeparator_(options.separator == 0) {
    setSeparator(detectSeparator_ ? ',' : options.separator);
}

void CsvReader::detectSeparator() {
    detectSeparator_ = false;
    // The first line, read whole: the separator it holds most of outside quotes, ',' first
    // among equals.
    while (input_.available().find('\n') == std::string_view::npos && input_.extend()) {
    }
    // Taken only now: extending may move the buffer even when it finds nothing more to read.
    const std::string_view chunk = input_.available();
    const std::string_view line = chunk.substr(0, chunk.find('\n'));
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> kSeparators{',', ';', '\t'};
    bool quoted = false;
    for (const char c : line) {
        quoted = quoted != (c == '"');
        for (std::size_t i = 0; i < kSeparators.size(); ++i) {
            counts[i] += !quoted && c == kSeparators[i] ? 1 : 0;
        }
    }
    const auto most = std::ranges::max_element(counts);
    if (*most > 0) {
        setSeparator(kSeparators[static_cast<std::size_t>(most - counts.begin())]);
    }
}

void CsvReader::setSeparator(char separator) {
    separator_ = separator;
    bytes_.fill(kOther);
    for (char c = '0'; c <= '9'; ++c) {
        bytes_[static_cast<unsigned char>(c)] = kDigit;
    }
    bytes_['.'] = kPoint;
    for (const char c : {separator, '"', '\r', '\n', '\0'}) {
        bytes_[static_cast<unsigned char>(c)] = kStop;
    }
}

bool CsvReader::next() {
    for (;;) {
        if (input_.available().empty()) {
            return false;
        }
        if (detectSeparator_) {
            detectSeparator();
        }
        rowLine_ = line_;
        rowStart_ = input_.consumed();
        if (!readSimpleRow()) {
            readRow();
        }
        if (rowLine_ == 1 && isSeparatorLine()) {
            setSeparator(cells_.size() == 1 ? cells_[0].back() : separator_);
        } else if (!isBlankRow()) {
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
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    cells_.clear();
    plain_.clear();
    // Each cell's bytes at a glance: digits with at most one point make a plain figure.
    const char* begin = line.data();
    unsigned seen = 0;
    unsigned points = 0;  // kPoint for each
    const auto endCell = [&](const char* end) {
        cells_.emplace_back(begin, static_cast<std::size_t>(end - begin));
        plain_.push_back((seen & ~kPoint) == kDigit && points <= kPoint);
        begin = end + 1;
        seen = points = 0;
    };
    for (const char* c = line.data(); c != line.data() + line.size(); ++c) {
        const unsigned kind = bytes_[static_cast<unsigned char>(*c)];
        if (kind != kStop) {
            seen |= kind;
            points += kind & kPoint;
        } else if (*c == separator_) {
            endCell(c);
        } else {
            return false;  // a quote, a CR or a NUL
        }
    }
    endCell(line.data() + line.size());
    firstCellQuoted_ = false;
    input_.consume(lineFeed + 1);
    ++line_;
    return true;
}

void CsvReader::readRow() {
    text_.clear();
    ends_.clear();
    firstCellQuoted_ = false;
    for (bool more = true; more;) {
        if (input_.available().starts_with('"')) {
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
    plain_.assign(cells_.size(), 0);
}

bool CsvReader::endCell() {
    const std::string_view rest = input_.available();
    if (rest.empty()) {
        return false;  // the last row, without a line break
    }
    input_.consume(1);
    if (rest.front() == separator_) {
        checkRowSize(0);
        return true;
    }
    if (rest.front() == '\r') {
        if (!input_.available().starts_with('\n')) {
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
        while (n < chunk.size() && bytes_[static_cast<unsigned char>(chunk[n])] != kStop) {
            ++n;
        }
        append(chunk.substr(0, n));
        input_.consume(n);
        if (n < chunk.size()) {
            if (chunk[n] == '\0') {
                failNul();
            }
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
        if (run.find('\0') != std::string_view::npos) {
            failNul();
        }
        line_ += static_cast<std::uint64_t>(std::count(run.begin(), run.end(), '\n'));
        append(run);
        input_.consume(run.size());
        if (quote == std::string_view::npos) {
            continue;
        }
        input_.consume(1);
        const std::string_view after = input_.available();
        if (after.starts_with('"')) {
            append("\"");
            input_.consume(1);
            continue;
        }
        if (after.empty() || after.front() == separator_ || after.front() == '\r' ||
            after.front() == '\n') {
            return;
        }
        throw InputError(line_, "text after the closing quote of a cell");
    }
}

void CsvReader::failNul() const {
    throw InputError(line_, "a NUL byte in a cell", {.column = ends_.size() + 1},
                     InputFault::NulByte);
}

void CsvReader::append(std::string_view bytes) {
    checkRowSize(bytes.size());
    text_.append(bytes);
}

void CsvReader::checkRowSize(std::size_t more) const {
    if (input_.consumed() + more - rowStart_ > kMaxRowBytes) {
        throw InputError(rowLine_, "row longer than " + std::to_string(kMaxRowBytes) + " bytes");
    }
}

bool CsvReader::isBlankRow() const {
    return cells_.size() == 1 && !firstCellQuoted_ &&
           cells_.front().find_first_not_of(" \t") == std::string_view::npos;
}

bool CsvReader::isSeparatorLine() const {
    return !firstCellQuoted_ &&
           ((cells_.size() == 1 && cells_[0].size() == 5 && cells_[0].starts_with("sep=")) ||
            (cells_.size() == 2 && cells_[0] == "sep=" && cells_[1].empty()));
}

CsvTable::CsvTable(std::istream& in, const ReadOptions& options, std::size_t chunkSize)
    : CsvReader(in, options, chunkSize) {
    if (!CsvReader::next()) {
        throw InputError(1,
                         "no header row; the first line names the columns, e.g. "
                         "flowRate,mudDensity",
                         {}, InputFault::NoHeader);
    }
    headerLine_ = line();
    width_ = cells().size();
    for (std::size_t i = 0; i < width_; ++i) {
        const std::string_view name = headerName(cells()[i]);
        if (name.empty()) {
            unnamed_.push_back(i);
        } else {
            columns_.push_back({std::string(name), i});
        }
    }
}

bool CsvTable::next() {
    if (!CsvReader::next()) {
        return false;
    }
    const std::size_t count = cells().size();
    if (count != width_) {
        throw InputError(line(),
                         std::to_string(count) + (count == 1 ? " cell" : " cells") +
                             " where the header has " + std::to_string(width_),
                         {}, InputFault::CellCount);
    }
    for (const std::size_t index : unnamed_) {
        if (!trimBlanks(cells()[index]).empty()) {
            fail(index, "a cell under an empty header cell; name the column in the header",
                 InputFault::CellUnderUnnamedColumn);
        }
    }
    return true;
}

void CsvTable::fail(std::size_t index, const std::string& message, InputFault fault,
                    std::string subject) const {
    throw InputError(line(), message, {.column = index + 1}, fault, std::move(subject));
}

}  // namespace bithydraulics::cases
