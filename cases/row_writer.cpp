#include "cases/row_writer.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

#include "cases/plain_figure.h"
#include "cases/text_table.h"

namespace bithydraulics::cases {
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
            if (text_[i] == 0 || (!needsQuotes(cells[i]) && !needsGuard(cells[i]))) {
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

// One JSON object per line, keys in column order.
class JsonLinesWriter final : public RowWriter {
  public:
    JsonLinesWriter(const std::vector<Column>& columns, OutputBuffer& out) : out_(out) {
        // `{"name":` for the first member of a row, `,"name":` for the others.
        for (const Column& column : columns) {
            keys_.push_back(nlohmann::json(column.name).dump() + ':');
            keys_.back().insert(0, 1, keys_.size() == 1 ? '{' : ',');
            numbers_.push_back(column.kind == CellKind::Number);
        }
    }

    void writeRow(std::span<const std::string_view> cells) override {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out_.append(keys_[i]);
            if (numbers_[i] != 0) {
                out_.append(cells[i].empty() ? "null" : cells[i]);
            } else if (std::any_of(cells[i].begin(), cells[i].end(), [](char c) {
                           return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
                       })) {
                out_.append(nlohmann::json(std::string(cells[i])).dump());
            } else {
                // Text that needs no escape is copied straight through.
                out_.append('"');
                out_.append(cells[i], '"');
            }
        }
        out_.append("}\n");
    }

  private:
    OutputBuffer& out_;
    std::vector<std::string> keys_;
    std::vector<char> numbers_;  // for each column whether JSON takes it as a number
};

std::vector<TextTable::Align> alignments(const std::vector<Column>& columns) {
    std::vector<TextTable::Align> result;
    for (const Column& column : columns) {
        result.push_back(column.kind == CellKind::Text ? TextTable::Align::Left
                                                       : TextTable::Align::Right);
    }
    return result;
}

// Aligned columns for reading: three header lines (names, captions, units), then the rows. Rows
// are laid out a block at a time, so memory stays bounded however long the input.
class TableWriter final : public RowWriter {
  public:
    static constexpr std::size_t kBlockRows = 256;

    TableWriter(const std::vector<Column>& columns, OutputBuffer& out)
        : out_(out), table_(alignments(columns)) {
        std::array<std::vector<std::string_view>, 3> lines;  // names, captions, units
        for (const Column& column : columns) {
            lines[0].push_back(column.name);
            lines[1].push_back(column.caption);
            lines[2].push_back(column.unit);
        }
        for (const auto& line : lines) {
            table_.addRow(line);
        }
    }

    void writeRow(std::span<const std::string_view> cells) override {
        table_.addRow(cells);
        if (table_.rowCount() >= kBlockRows) {
            table_.render(out_);
        }
    }

    void finish() override { table_.render(out_); }

  private:
    OutputBuffer& out_;
    TextTable table_;
};

}  // namespace

std::unique_ptr<RowWriter> makeRowWriter(const std::vector<Column>& columns,
                                         const WriteOptions& options, OutputBuffer& out) {
    if (options.byteOrderMark) {
        out.append("\xEF\xBB\xBF");
    }
    switch (options.format) {
        case RowFormat::Csv:
            return std::make_unique<CsvWriter>(columns, options, out);
        case RowFormat::JsonLines:
            return std::make_unique<JsonLinesWriter>(columns, out);
        case RowFormat::Table:
            break;
    }
    return std::make_unique<TableWriter>(columns, out);
}

}  // namespace bithydraulics::cases
