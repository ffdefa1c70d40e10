#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/case_computer.h"
#include "cli/output_buffer.h"

// Rows of batch and sweep output. Every row holds its input columns as given (input texts and
// --pass columns), then the results (display texts, or with --full round-trip figures), then
// `fault` and `faultQuantity`.
namespace bithydraulics::cli {

enum class RowFormat { Csv, JsonLines, Table };

struct InputColumn {
    std::string header;                // the column's name as the input gave it
    std::optional<std::size_t> input;  // the input it feeds; none for a --pass column
};

struct OutputLayout {
    std::vector<InputColumn> inputColumns;
    bool full = false;
};

class RowWriter {
  public:
    virtual ~RowWriter() = default;
    virtual void writeHeader() = 0;
    // `cells` holds the texts of the layout's input columns, in order.
    virtual void writeRow(std::span<const std::string_view> cells, const CaseResult& result) = 0;
    // Writes whatever is still held back: after the last row, and before an error is reported.
    virtual void finish() {}
};

std::unique_ptr<RowWriter> makeRowWriter(RowFormat format, OutputLayout layout, OutputBuffer& out);

}  // namespace bithydraulics::cli
