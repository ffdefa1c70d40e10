#include "cli/jsonl_writer.h"

#include "cli/json_string.h"

namespace bithydraulics::cli {
namespace {

// `{"name":` for the first member of a row, `,"name":` for the others.
std::string memberKey(bool first, std::string_view name) {
    std::string key(1, first ? '{' : ',');
    key += jsonString(name);
    key += ':';
    return key;
}

}  // namespace

JsonLinesWriter::JsonLinesWriter(OutputLayout layout, OutputBuffer& out)
    : layout_(std::move(layout)), out_(out) {
    for (const InputColumn& column : layout_.inputColumns) {
        inputKeys_.push_back(memberKey(inputKeys_.empty(), column.header));
    }
    for (const ResultColumn& column : resultColumns(layout_.full)) {
        resultKeys_.push_back(memberKey(inputKeys_.empty() && resultKeys_.empty(), column.name));
    }
    faultKey_ = memberKey(false, kFaultColumn);
    faultQuantityKey_ = memberKey(false, kFaultQuantityColumn);
}

void JsonLinesWriter::writeRow(std::span<const std::string_view> cells, const CaseResult& result) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out_.append(inputKeys_[i]);
        appendJsonString(out_, cells[i]);
    }
    results_.fill(result, layout_.full);
    const std::span<const std::string_view> values = results_.cells();
    for (std::size_t i = 0; i < values.size(); ++i) {
        out_.append(resultKeys_[i]);
        if (!layout_.full) {
            appendJsonString(out_, values[i]);
        } else if (result.computed()) {
            out_.append(values[i]);
        } else {
            out_.append("null");
        }
    }
    out_.append(faultKey_);
    appendJsonString(out_, result.fault);
    out_.append(faultQuantityKey_);
    appendJsonString(out_, result.faultQuantity);
    out_.append("}\n");
}

}  // namespace bithydraulics::cli
