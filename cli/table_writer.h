#pragma once

#include <vector>

#include "cli/result_columns.h"
#include "cli/row_writer.h"
#include "cli/text_table.h"

namespace bithydraulics::cli {

// Aligned columns for reading: three header lines (names, captions, units), then the rows.
// Rows are laid out a block at a time, so memory stays bounded however long the input.
class TableWriter final : public RowWriter {
  public:
    static constexpr std::size_t kBlockRows = 256;

    TableWriter(OutputLayout layout, OutputBuffer& out);
    void writeHeader() override;
    void writeRow(std::span<const std::string_view> cells, const CaseResult& result) override;
    void finish() override;

  private:
    OutputLayout layout_;
    OutputBuffer& out_;
    TextTable table_;
    ResultCells results_;
    std::vector<std::string_view> row_;
};

}  // namespace bithydraulics::cli
