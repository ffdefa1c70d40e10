#include "cli/case_rows.h"

#include <algorithm>

#include "cases/errors.h"
#include "cases/file_input.h"

namespace bithydraulics::cli {
namespace {

std::vector<Column> rowColumns(const std::vector<InputColumn>& inputs, bool full) {
    std::vector<Column> columns;
    for (const InputColumn& column : inputs) {
        columns.push_back({column.name, {}, {}, CellKind::Text});
        if (column.input) {
            columns.back().caption = kInputQuantities[*column.input].caption;
            columns.back().unit = kInputQuantities[*column.input].unit;
        }
    }
    for (const ResultColumn& column : resultColumns(full)) {
        columns.push_back({std::string(column.name), column.caption, column.unit,
                           full ? CellKind::Number : CellKind::Figure});
    }
    columns.push_back({std::string(kFaultColumn), {}, {}, CellKind::Text});
    columns.push_back({std::string(kFaultQuantityColumn), {}, {}, CellKind::Text});
    return columns;
}

}  // namespace

CaseRows::CaseRows(const std::vector<InputColumn>& columns, const Options& options,
                   OutputBuffer& out)
    : options_(options),
      out_(out),
      writer_(makeRowWriter(rowColumns(columns, options.full), options.write, out)),
      computer_(options.full),
      inputColumns_(columns.size()),
      row_(inputColumns_ + resultColumns(options.full).size() + 2) {
    if (options.lineBuffered) {
        out_.flush();
    }
}

void CaseRows::write(const InputTexts& texts, GivenInputs given) {
    if (interruption() != 0) {
        throw Interrupted{};
    }
    writeResult(computer_.compute(texts, given, options_.strict));
}

void CaseRows::write(const InputTexts& texts, GivenInputs given, const NozzleList& nozzles,
                     std::string_view listName, bool listRead) {
    if (interruption() != 0) {
        throw Interrupted{};
    }
    writeResult(computer_.compute(texts, given, options_.strict, nozzles, listName, listRead));
}

void CaseRows::writeResult(const CaseResult& result) {
    faulted_ += result.computed() ? 0 : 1;
    const auto next =
        std::copy(result.cells.begin(), result.cells.end(), row_.begin() + inputColumns_);
    next[0] = result.fault;
    next[1] = result.faultQuantity;
    writer_->writeRow(row_);
    if (options_.lineBuffered) {
        writer_->finish();
        out_.flush();
    }
}

}  // namespace bithydraulics::cli
