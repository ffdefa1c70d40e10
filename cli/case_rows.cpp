#include "cli/case_rows.h"

#include <algorithm>

#include "cases/errors.h"
#include "cases/file_input.h"

namespace bithydraulics::cli {
namespace {

std::vector<cases::Column> rowColumns(const std::vector<InputColumn>& inputs, bool full) {
    std::vector<cases::Column> columns;
    for (const InputColumn& column : inputs) {
        columns.push_back({column.name, {}, {}, cases::CellKind::Text});
        if (column.input) {
            columns.back().caption = kInputQuantities[*column.input].caption;
            columns.back().unit = kInputQuantities[*column.input].unit;
        }
    }
    for (const cases::ResultColumn& column : cases::resultColumns(full)) {
        columns.push_back({std::string(column.name), column.caption, column.unit,
                           full ? cases::CellKind::Number : cases::CellKind::Figure});
    }
    columns.push_back({std::string(cases::kFaultColumn), {}, {}, cases::CellKind::Text});
    columns.push_back({std::string(cases::kFaultQuantityColumn), {}, {}, cases::CellKind::Text});
    return columns;
}

}  // namespace

CaseRows::CaseRows(const std::vector<InputColumn>& columns, const Options& options,
                   cases::OutputBuffer& out, bool fromFile)
    : options_(options),
      out_(out),
      writer_(cases::makeRowWriter(rowColumns(columns, options.full), options.write, out)),
      computer_(options.full),
      rule_(options.strict ? FigureRule::Plain
            : fromFile     ? FigureRule::Whole
                           : FigureRule::Lenient),
      inputColumns_(columns.size()),
      row_(inputColumns_ + cases::resultColumns(options.full).size() + 2) {
    if (options.lineBuffered) {
        out_.flush();
    }
}

void CaseRows::write(const InputTexts& texts, GivenInputs given,
                     std::optional<std::size_t> ambiguousInput, bool allPlain) {
    if (interruption() != 0) {
        throw cases::Interrupted{};
    }
    writeResult(ambiguousInput
                    ? computer_.refuse(kAmbiguousFigureFault, *ambiguousInput)
                    : computer_.compute(texts, given, allPlain ? FigureRule::Lenient : rule_));
}

void CaseRows::write(const InputTexts& texts, GivenInputs given, const NozzleList& nozzles,
                     std::string_view listName, bool listRead,
                     std::optional<std::size_t> ambiguousInput, bool allPlain) {
    if (interruption() != 0) {
        throw cases::Interrupted{};
    }
    writeResult(ambiguousInput
                    ? computer_.refuse(kAmbiguousFigureFault, *ambiguousInput)
                    : computer_.compute(texts, given, allPlain ? FigureRule::Lenient : rule_,
                                        nozzles, listName, listRead));
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
