#include "cli/io/row_writer.h"

namespace bithydraulics::cli {

std::unique_ptr<RowWriter> makeRowWriter(std::vector<Column> columns, const WriteOptions& options,
                                         OutputBuffer& out) {
    if (options.byteOrderMark) {
        out.append("\xEF\xBB\xBF");
    }
    switch (options.format) {
        case RowFormat::Csv:
            return makeCsvWriter(std::move(columns), options, out);
        case RowFormat::JsonLines:
            return makeJsonLinesWriter(std::move(columns), out);
        case RowFormat::Table:
            break;
    }
    return makeTableWriter(std::move(columns), out);
}

}  // namespace bithydraulics::cli
