#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/quantities.h"
#include "cases/case_columns.h"
#include "cases/csv_reader.h"

// A case table in CSV as the window opens it and batch reads it: a header naming the columns
// (case_columns.h), then one case a row. One reader for both, so that both read a file alike.
namespace bithydraulics::cases {

struct CaseColumn {
    std::string name;  // as the header has it, blanks trimmed
    ColumnRole role;
    std::size_t input;  // Input: the index into kInputQuantities
    std::size_t cell;   // which cell of a row holds it
};

// Reads a CSV case table row by row in constant memory, the encoding and the separator told from
// the bytes unless asked for (csv_reader.h). The header is read at once: an input named twice or
// with a wrong unit throws InputError naming its column. In a ';'-separated file an input's cell
// with a decimal comma reads with a point ("30,5" is 30.5); one with both a point and a comma, or
// two commas ("1.234,5"), is not guessed at: the row notes it in ambiguousCell().
class CaseTableReader {
  public:
    explicit CaseTableReader(std::istream& in, const ReadOptions& options = {},
                             std::size_t chunkSize = TextInput::kDefaultChunkSize);

    // Every named column of the header, in order; unnamed ones (empty header cells) are left out.
    const std::vector<CaseColumn>& columns() const { return columns_; }
    std::uint64_t headerLine() const { return table_.headerLine(); }
    char separator() const { return table_.separator(); }
    std::size_t width() const { return table_.width(); }

    // Reads the next row; false at the end. Throws InputError for malformed CSV.
    bool next();
    // Cell `index` of the row last read, a decimal comma of an input's cell made a point.
    std::string_view cell(std::size_t index) const { return cells_[index]; }
    bool isPlainFigure(std::size_t index) const;
    std::uint64_t line() const { return table_.line(); }
    // The first input cell of the row last read that has both a point and a comma or several
    // commas, in a ';'-separated file; none when there is none.
    std::optional<std::size_t> ambiguousCell() const { return ambiguous_; }

    // An error at the cell `index` of the row last read (the header, before the first row).
    [[noreturn]] void fail(std::size_t index, const std::string& message,
                           InputFault fault = InputFault::Malformed,
                           std::string subject = {}) const {
        table_.fail(index, message, fault, std::move(subject));
    }

  private:
    CsvTable table_;
    std::vector<CaseColumn> columns_;
    std::vector<std::size_t> inputCells_;  // the cells of input columns
    std::vector<std::string_view> cells_;
    std::vector<std::string> rewritten_;  // a cell's text with its decimal comma made a point
    std::vector<char> rewrittenCell_;     // for each cell whether cells_ views rewritten_
    std::optional<std::size_t> ambiguous_;
};

// A whole case table in memory, as the window keeps it to offer its cases: the texts of every
// case in one block.
class CaseTable {
  public:
    const std::vector<CaseColumn>& columns() const { return columns_; }
    // The label columns (anything not an input or a result), in header order.
    const std::vector<std::string>& labelNames() const { return labelNames_; }
    // The inputs the header has a column for; the others hold their default texts.
    std::bitset<kInputCount> givenInputs() const { return given_; }
    char separator() const { return separator_; }

    std::size_t rowCount() const { return lines_.size(); }
    std::uint64_t line(std::size_t row) const { return lines_[row]; }
    // The text of input `input` in row `row`: its cell, or the default text.
    std::string_view inputText(std::size_t row, std::size_t input) const;
    std::string_view label(std::size_t row, std::size_t label) const;

  private:
    friend CaseTable readCaseTable(std::istream&, const ReadOptions&, std::size_t);
    std::string_view slot(std::size_t row, std::size_t slot) const;

    std::vector<CaseColumn> columns_;
    std::vector<std::string> labelNames_;
    std::bitset<kInputCount> given_;
    char separator_ = ',';
    std::vector<std::size_t> inputSlot_;  // for each input its slot in a row, or none (npos)
    std::size_t slotsPerRow_ = 0;         // inputs given, then labels
    std::string text_;                    // every slot's text, one after another
    std::vector<std::uint32_t> ends_;     // where each slot ends in text_
    std::vector<std::uint64_t> lines_;
};

// Reads a whole case table as the window opens it: results are left out, labels kept, and a row
// that CaseTableReader finds ambiguous throws InputError (AmbiguousFigure) naming its cell. More
// than `mostRows` cases throws InputError (TooManyRows) on the row beyond them; a header without
// any case throws InputError (NoCase). Encoding and separator as `options` asks, or detected.
CaseTable readCaseTable(std::istream& in, const ReadOptions& options, std::size_t mostRows);

}  // namespace bithydraulics::cases
