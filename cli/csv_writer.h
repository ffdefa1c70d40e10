#pragma once

#include "cli/result_columns.h"
#include "cli/row_writer.h"

namespace bithydraulics::cli {

// Appends one CSV cell, quoted (with quotes doubled) when it holds a comma, a quote or a line
// break.
void appendCsvCell(OutputBuffer& out, std::string_view text);

// Comma-separated rows under one header line; lines end in LF.
class CsvWriter final : public RowWriter {
  public:
    CsvWriter(OutputLayout layout, OutputBuffer& out);
    void writeHeader() override;
    void writeRow(std::span<const std::string_view> cells, const CaseResult& result) override;

  private:
    OutputLayout layout_;
    OutputBuffer& out_;
    ResultCells results_;
};

}  // namespace bithydraulics::cli
