#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/result_columns.h"
#include "cases/row_writer.h"
#include "cli/case/case_computer.h"
#include "cli/command.h"
#include "cli/exit_status.h"

// The rows that batch and sweep write, one per case: its input columns as given (input texts and
// --pass columns), then its results (display texts, or with --full round-trip figures), then
// fault and faultQuantity.
namespace bithydraulics::cli {

struct InputColumn {
    std::string name;                  // as the input or the command line gave it
    std::optional<std::size_t> input;  // the input it feeds; none for a --pass column
};

class CaseRows {
  public:
    // Writes the header. Rows read from a file take FigureRule::Whole unless --strict asks for
    // plain figures; rows made on the command line are read as the window reads them.
    CaseRows(const std::vector<InputColumn>& columns, const Options& options,
             cases::OutputBuffer& out, bool fromFile = false);

    // The texts of the input columns of the next row, to be filled in before write(); they keep
    // their texts from one row to the next.
    std::span<std::string_view> cells() { return {row_.data(), inputColumns_}; }

    // Computes the case and writes its row, or with `ambiguousInput` writes it as faulted with
    // ambiguous_figure there. `allPlain` says the reader saw every given text to be a plain
    // figure, which spares looking at them again. Once SIGINT or SIGTERM has come, throws
    // Interrupted instead.
    void write(const InputTexts& texts, GivenInputs given,
               std::optional<std::size_t> ambiguousInput = std::nullopt, bool allPlain = false);
    // The same for a row that lists its nozzles (see CaseComputer::compute).
    void write(const InputTexts& texts, GivenInputs given, const NozzleList& nozzles,
               std::string_view listName, bool listRead,
               std::optional<std::size_t> ambiguousInput = std::nullopt, bool allPlain = false);

    // Runs `writeRows`, seeing that every row before an error or an interruption is written, and
    // returns kExitComputed or kExitFaulted.
    template <typename WriteRows>
    int run(WriteRows&& writeRows) {
        try {
            writeRows();
        } catch (...) {
            writer_->finish();
            throw;
        }
        writer_->finish();
        return faulted_ == 0 ? kExitComputed : kExitFaulted;
    }

  private:
    void writeResult(const CaseResult& result);

    const Options& options_;
    cases::OutputBuffer& out_;
    std::unique_ptr<cases::RowWriter> writer_;
    CaseComputer computer_;
    FigureRule rule_;
    std::size_t inputColumns_;
    std::vector<std::string_view> row_;
    std::uint64_t faulted_ = 0;
};

}  // namespace bithydraulics::cli
