#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/input_chunks.h"

namespace bithydraulics::cli {

// Reads comma-separated rows as RFC 4180 has them, one row at a time in constant memory:
//  - a cell is either bare text without quotes, or quoted: inside quotes a doubled quote stands
//    for one, and commas, CR and LF are text;
//  - rows end in CRLF or LF, the last one optionally in nothing;
//  - a UTF-8 byte-order mark at the very start is skipped;
//  - a line holding nothing but blanks (spaces, tabs) is skipped.
// Malformed input throws InputError naming its line: a quoted cell never closed, a quote inside
// a bare cell, text after a closing quote, a CR without LF, invalid UTF-8, a row over kMaxRowBytes.
class CsvReader {
  public:
    static constexpr std::size_t kMaxRowBytes = 1024 * 1024;

    // `chunkSize` is how much of the stream is read at a time.
    explicit CsvReader(std::istream& in, std::size_t chunkSize = InputChunks::kDefaultChunkSize);

    // Reads the next row; false at the end of the input.
    bool next();
    // The cells of the row last read; valid until the next call of next().
    std::span<const std::string_view> cells() const { return cells_; }
    // The line on which the row last read begins, counting from 1.
    std::uint64_t line() const { return rowLine_; }

  private:
    bool readSimpleRow();
    void readRow();
    void readBareCell();
    void readQuotedCell();
    bool endCell();  // takes what ends a cell; true when another cell of the row follows
    void append(std::string_view bytes);
    bool isBlankRow() const;
    // Throws for invalid UTF-8 in `part` of `row`, naming the line it stands on.
    void checkUtf8(std::string_view row, std::string_view part) const;

    InputChunks input_;
    std::string text_;               // a row that needs copying: its cell texts, one after another
    std::vector<std::size_t> ends_;  // where each cell ends in text_
    std::vector<std::string_view> cells_;
    std::uint64_t line_ = 1;  // the line being read
    std::uint64_t rowLine_ = 0;
    bool firstCellQuoted_ = false;
};

}  // namespace bithydraulics::cli
