#include <algorithm>
#include <array>

#include "cli/io/plain_figure.h"
#include "cli/io/row_writer.h"

namespace bithydraulics::cli {
namespace {

// Comma-separated rows (or another separator) under one header line; lines end in LF. A cell is
// quoted, its quotes doubled, when it holds the separator, a quote or a line break.
class CsvWriter final : public RowWriter {
  public:
    CsvWriter(const std::vector<Column>& columns, const WriteOptions& options, OutputBuffer& out)
        : out_(out) {
        for (const char c : {options.separator, '"', '\r', '\n'}) {
            quoted_[static_cast<unsigned char>(c)] = true;
        }
        std::vector<std::string_view> names;
        for (const Column& column : columns) {
            text_.push_back(column.kind == CellKind::Text);
            ends_.push_back(options.separator);
            names.push_back(column.name);
        }
        ends_.back() = '\n';
        writeRow(names);
        excelSafe_ = options.excelSafe;
    }

    void writeRow(std::span<const std::string_view> cells) override {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            // Figures hold no separator, quote or line break and are never formulas.
            if (text_[i] == 0 || standsAsItIs(cells[i])) {
                out_.append(cells[i], ends_[i]);
            } else {
                appendQuoted(cells[i]);
                out_.append(ends_[i]);
            }
        }
    }

  private:
    bool needsQuotes(std::string_view text) const {
        return std::any_of(text.begin(), text.end(),
                           [this](char c) { return quoted_[static_cast<unsigned char>(c)]; });
    }

    // With --excel-safe, a cell that a spreadsheet would take for a formula: one beginning = + -
    // or @ that is not a figure.
    bool needsGuard(std::string_view text) const {
        return excelSafe_ && !text.empty() &&
               std::string_view("=+-@").find(text.front()) != std::string_view::npos &&
               !isPlainFigure(text);
    }

    bool standsAsItIs(std::string_view text) const {
        return !needsQuotes(text) && !needsGuard(text);
    }

    void appendQuoted(std::string_view text) {
        const bool guard = needsGuard(text);
        if (!needsQuotes(text)) {
            out_.append('\'');
            out_.append(text);
            return;
        }
        out_.append(guard ? "\"'" : "\"");
        for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
             quote = text.find('"')) {
            out_.append(text.substr(0, quote + 1));
            out_.append('"');
            text.remove_prefix(quote + 1);
        }
        out_.append(text);
        out_.append('"');
    }

    OutputBuffer& out_;
    bool excelSafe_ = false;          // none for the header
    std::array<bool, 256> quoted_{};  // the bytes that make a cell need quotes
    std::vector<char> text_;          // for each column whether it holds text
    std::vector<char> ends_;          // what follows each column's cell
};

}  // namespace

std::unique_ptr<RowWriter> makeCsvWriter(std::vector<Column> columns, const WriteOptions& options,
                                         OutputBuffer& out) {
    return std::make_unique<CsvWriter>(columns, options, out);
}

}  // namespace bithydraulics::cli
