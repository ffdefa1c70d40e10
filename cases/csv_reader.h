#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/errors.h"
#include "cases/formats.h"
#include "cases/plain_figure.h"
#include "cases/text_input.h"

namespace bithydraulics::cases {

// Reads rows of cells as RFC 4180 has them, one row at a time in constant memory:
//  - cells are separated by the separator: the one asked for, or else the one of ',' ';' and
//    tab that the first line holds most of outside quotes (',' among equals or when it holds
//    none); a first line "sep=X", as spreadsheets write it, names another and is skipped;
//  - a cell is either bare text without quotes, or quoted: inside quotes a doubled quote stands
//    for one, and separators, CR and LF are text;
//  - rows end in CRLF or LF, the last one optionally in nothing;
//  - a line holding nothing but blanks (spaces, tabs) is skipped.
// The text comes through TextInput (encodings, byte-order marks, UTF-8 checked). Malformed input
// throws InputError naming its line: a quoted cell never closed, a quote inside a bare cell, text
// after a closing quote, a CR without LF, a NUL byte (InputFault::NulByte, naming the column), a
// row over kMaxRowBytes (separators and quotes count).
class CsvReader {
  public:
    static constexpr std::size_t kMaxRowBytes = 1024 * 1024;

    // `chunkSize` is how much of the stream is read at a time.
    explicit CsvReader(std::istream& in, const ReadOptions& options = {},
                       std::size_t chunkSize = TextInput::kDefaultChunkSize);

    // Reads the next row; false at the end of the input.
    bool next();
    // The cells of the row last read; valid until the next call of next().
    std::span<const std::string_view> cells() const { return cells_; }
    // The line on which the row last read begins, counting from 1.
    std::uint64_t line() const { return rowLine_; }
    char separator() const { return separator_; }
    // Whether cell `cell` of the row last read is one plain figure (plain_figure.h); most are
    // told while the row is read.
    bool isPlainFigure(std::size_t cell) const {
        return plain_[cell] != 0 || cases::isPlainFigure(cells_[cell]);
    }

  private:
    void setSeparator(char separator);
    void detectSeparator();
    [[noreturn]] void failNul() const;
    bool readSimpleRow();
    void readRow();
    void readBareCell();
    void readQuotedCell();
    bool endCell();  // takes what ends a cell; true when another cell of the row follows
    void append(std::string_view bytes);
    void checkRowSize(std::size_t more) const;
    bool isBlankRow() const;
    bool isSeparatorLine() const;

    // What each byte is to a bare cell: a stop (separator, quote, CR, LF), a digit, the point or
    // anything else.
    static constexpr unsigned char kStop = 0;
    static constexpr unsigned char kDigit = 1;
    static constexpr unsigned char kPoint = 2;
    static constexpr unsigned char kOther = 4;

    TextInput input_;
    char separator_ = ',';
    bool detectSeparator_;
    std::array<unsigned char, 256> bytes_{};
    std::string text_;               // a row that needs copying: its cell texts, one after another
    std::vector<std::size_t> ends_;  // where each cell ends in text_
    std::vector<std::string_view> cells_;
    std::vector<char> plain_;  // for each cell whether it was seen to be a plain figure
    std::uint64_t line_ = 1;   // the line being read
    std::uint64_t rowLine_ = 0;
    std::uint64_t rowStart_ = 0;  // bytes consumed before the row
    bool firstCellQuoted_ = false;
};

// A table under a header row: the header names the columns, and every row below has a cell for
// each. Names are trimmed of blanks; a header cell left empty (spreadsheets add such columns at
// the end) leaves its column unnamed, and every cell under it must be empty too. Errors name the
// line and the column, counting from 1.
class CsvTable : public CsvReader {
  public:
    struct Column {
        std::string name;
        std::size_t index;  // the cell of a row that the column holds
    };

    // Reads the header; throws InputError when there is none.
    explicit CsvTable(std::istream& in, const ReadOptions& options = {},
                      std::size_t chunkSize = TextInput::kDefaultChunkSize);

    // The named columns, in order.
    const std::vector<Column>& columns() const { return columns_; }
    // Every cell of the header, named or not.
    std::size_t width() const { return width_; }
    std::uint64_t headerLine() const { return headerLine_; }

    // Reads the next row, whose cells() are those of every column, unnamed ones included; false
    // at the end of the input.
    bool next();

    // An error at the cell `index` of the row last read (the header, before the first row).
    [[noreturn]] void fail(std::size_t index, const std::string& message,
                           InputFault fault = InputFault::Malformed,
                           std::string subject = {}) const;

  private:
    std::vector<Column> columns_;
    std::vector<std::size_t> unnamed_;
    std::size_t width_ = 0;
    std::uint64_t headerLine_ = 0;
};

}  // namespace bithydraulics::cases
