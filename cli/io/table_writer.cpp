#include "cli/io/row_writer.h"
#include "cli/io/text_table.h"

namespace bithydraulics::cli {
namespace {

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
        const auto addLine = [&](auto part) {
            std::vector<std::string_view> line;
            for (const Column& column : columns) {
                line.push_back(part(column));
            }
            table_.addRow(line);
        };
        addLine([](const Column& column) -> std::string_view { return column.name; });
        addLine([](const Column& column) { return column.caption; });
        addLine([](const Column& column) { return column.unit; });
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

std::unique_ptr<RowWriter> makeTableWriter(std::vector<Column> columns, OutputBuffer& out) {
    return std::make_unique<TableWriter>(columns, out);
}

}  // namespace bithydraulics::cli
