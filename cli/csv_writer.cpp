#include "cli/csv_writer.h"

namespace bithydraulics::cli {

namespace {

bool needsQuotes(std::string_view text) {
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return false;
}

}  // namespace

void appendCsvCell(OutputBuffer& out, std::string_view text) {
    if (!needsQuotes(text)) {
        out.append(text);
        return;
    }
    out.append('"');
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        out.append(text.substr(0, quote + 1));
        out.append('"');
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out.append('"');
}

CsvWriter::CsvWriter(OutputLayout layout, OutputBuffer& out)
    : layout_(std::move(layout)), out_(out) {}

void CsvWriter::writeHeader() {
    for (const InputColumn& column : layout_.inputColumns) {
        appendCsvCell(out_, column.header);
        out_.append(',');
    }
    for (const ResultColumn& column : resultColumns(layout_.full)) {
        out_.append(column.name);
        out_.append(',');
    }
    out_.append(kFaultColumn);
    out_.append(',');
    out_.append(kFaultQuantityColumn);
    out_.append('\n');
}

void CsvWriter::writeRow(std::span<const std::string_view> cells, const CaseResult& result) {
    for (const std::string_view cell : cells) {
        appendCsvCell(out_, cell);
        out_.append(',');
    }
    // Result texts, fault names and field names never need quoting.
    results_.fill(result, layout_.full);
    for (const std::string_view cell : results_.cells()) {
        out_.append(cell);
        out_.append(',');
    }
    out_.append(result.fault);
    out_.append(',');
    out_.append(result.faultQuantity);
    out_.append('\n');
}

}  // namespace bithydraulics::cli
