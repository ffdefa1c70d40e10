#include "cli/table_writer.h"

namespace bithydraulics::cli {
namespace {

std::vector<TextTable::Align> alignments(const OutputLayout& layout) {
    std::vector<TextTable::Align> result(layout.inputColumns.size(), TextTable::Align::Left);
    result.insert(result.end(), resultColumns(layout.full).size(), TextTable::Align::Right);
    result.insert(result.end(), 2, TextTable::Align::Left);
    return result;
}

}  // namespace

TableWriter::TableWriter(OutputLayout layout, OutputBuffer& out)
    : layout_(std::move(layout)), out_(out), table_(alignments(layout_)) {}

void TableWriter::writeHeader() {
    const std::span<const ResultColumn> results = resultColumns(layout_.full);
    // Names as the input gave them, then captions, then units.
    for (int line = 0; line < 3; ++line) {
        row_.clear();
        for (const InputColumn& column : layout_.inputColumns) {
            if (line == 0) {
                row_.push_back(column.header);
            } else if (!column.input) {
                row_.emplace_back();
            } else {
                const InputQuantity& quantity = kInputQuantities[*column.input];
                row_.push_back(line == 1 ? quantity.caption : quantity.unit);
            }
        }
        for (const ResultColumn& column : results) {
            row_.push_back(line == 0 ? column.name : line == 1 ? column.caption : column.unit);
        }
        row_.push_back(line == 0 ? kFaultColumn : "");
        row_.push_back(line == 0 ? kFaultQuantityColumn : "");
        table_.addRow(row_);
    }
}

void TableWriter::writeRow(std::span<const std::string_view> cells, const CaseResult& result) {
    row_.assign(cells.begin(), cells.end());
    results_.fill(result, layout_.full);
    row_.insert(row_.end(), results_.cells().begin(), results_.cells().end());
    row_.push_back(result.fault);
    row_.push_back(result.faultQuantity);
    table_.addRow(row_);
    if (table_.rowCount() >= kBlockRows) {
        table_.render(out_);
    }
}

void TableWriter::finish() {
    table_.render(out_);
}

}  // namespace bithydraulics::cli
