#pragma once

#include <string>
#include <vector>

#include "cli/result_columns.h"
#include "cli/row_writer.h"

namespace bithydraulics::cli {

// One JSON object per line, keys in column order. Input texts, display texts and the fault
// columns are strings; with --full the results are numbers, or null in a row that faulted.
class JsonLinesWriter final : public RowWriter {
  public:
    JsonLinesWriter(OutputLayout layout, OutputBuffer& out);
    void writeHeader() override {}
    void writeRow(std::span<const std::string_view> cells, const CaseResult& result) override;

  private:
    OutputLayout layout_;
    OutputBuffer& out_;
    ResultCells results_;
    std::vector<std::string> inputKeys_;   // `{"name":` for the first, `,"name":` after
    std::vector<std::string> resultKeys_;  // `,"name":`
    std::string faultKey_;
    std::string faultQuantityKey_;
};

}  // namespace bithydraulics::cli
