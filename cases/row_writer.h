#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/formats.h"
#include "cases/output_buffer.h"

// Rows of cells under a header, as CSV, JSON Lines or an aligned table.
namespace bithydraulics::cases {

// How a column's cells are written. Text stands as given: left-aligned in a table, a string in
// JSON, a formula-like cell guarded by --excel-safe. A figure is a display text: right-aligned,
// a string in JSON, never quoted in CSV. A number is a figure that JSON takes as a number, null
// when the cell is empty.
enum class CellKind { Text, Figure, Number };

struct Column {
    std::string name;
    std::string_view caption;  // the table's second header line
    std::string_view unit;     // the table's third header line
    CellKind kind = CellKind::Text;
};

class RowWriter {
  public:
    virtual ~RowWriter() = default;
    // `cells` holds one text per column, in order.
    virtual void writeRow(std::span<const std::string_view> cells) = 0;
    // Writes whatever is still held back: after the last row, and before an error is reported.
    virtual void finish() {}
};

// The writer for `options.format`, once it has written the byte-order mark (when asked for) and
// the header (CSV: the names; a table: names, captions and units; JSON Lines: none).
std::unique_ptr<RowWriter> makeRowWriter(const std::vector<Column>& columns,
                                         const WriteOptions& options, OutputBuffer& out);

}  // namespace bithydraulics::cases
