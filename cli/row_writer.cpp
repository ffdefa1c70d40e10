#include "cli/row_writer.h"

#include "cli/csv_writer.h"
#include "cli/jsonl_writer.h"
#include "cli/table_writer.h"

namespace bithydraulics::cli {

std::unique_ptr<RowWriter> makeRowWriter(RowFormat format, OutputLayout layout, OutputBuffer& out) {
    switch (format) {
        case RowFormat::Csv:
            return std::make_unique<CsvWriter>(std::move(layout), out);
        case RowFormat::JsonLines:
            return std::make_unique<JsonLinesWriter>(std::move(layout), out);
        case RowFormat::Table:
            return std::make_unique<TableWriter>(std::move(layout), out);
    }
    return nullptr;
}

}  // namespace bithydraulics::cli
