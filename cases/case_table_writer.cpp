#include "cases/case_table_writer.h"

#include <sstream>
#include <string_view>

#include "calc/quantities.h"
#include "cases/case_columns.h"
#include "cases/output_buffer.h"
#include "cases/row_writer.h"

namespace bithydraulics::cases {

std::vector<std::string> savedCaseHeader() {
    std::vector<std::string> header;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        header.push_back(captionWithUnit(i));
    }
    return header;
}

std::string caseTableBytes(const std::vector<std::string>& header,
                           const std::vector<std::vector<std::string>>& rows) {
    std::ostringstream text;
    {
        OutputBuffer out(text);
        std::vector<Column> columns;
        for (const std::string& name : header) {
            columns.push_back({name, {}, {}, CellKind::Text});
        }
        WriteOptions options;
        options.byteOrderMark = true;
        const auto writer = makeRowWriter(columns, options, out);
        std::vector<std::string_view> cells;
        for (const std::vector<std::string>& row : rows) {
            cells.assign(row.begin(), row.end());
            writer->writeRow(cells);
        }
        writer->finish();
        out.flush();
    }
    return std::move(text).str();
}

}  // namespace bithydraulics::cases
