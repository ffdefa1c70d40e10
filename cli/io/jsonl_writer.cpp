#include <nlohmann/json.hpp>

#include <algorithm>

#include "cli/io/row_writer.h"

namespace bithydraulics::cli {
namespace {

bool needsEscaping(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

// `text` as a JSON string; text that needs no escape is copied straight through.
void appendJsonString(OutputBuffer& out, std::string_view text) {
    if (needsEscaping(text)) {
        out.append(nlohmann::json(std::string(text)).dump());
        return;
    }
    out.append('"');
    out.append(text);
    out.append('"');
}

// One JSON object per line, keys in column order.
class JsonLinesWriter final : public RowWriter {
  public:
    JsonLinesWriter(std::vector<Column> columns, OutputBuffer& out)
        : columns_(std::move(columns)), out_(out) {
        // `{"name":` for the first member of a row, `,"name":` for the others.
        for (const Column& column : columns_) {
            keys_.push_back(nlohmann::json(column.name).dump() + ':');
            keys_.back().insert(0, 1, keys_.size() == 1 ? '{' : ',');
        }
    }

    void writeRow(std::span<const std::string_view> cells) override {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out_.append(keys_[i]);
            if (columns_[i].kind != CellKind::Number) {
                appendJsonString(out_, cells[i]);
            } else {
                out_.append(cells[i].empty() ? "null" : cells[i]);
            }
        }
        out_.append("}\n");
    }

  private:
    std::vector<Column> columns_;
    OutputBuffer& out_;
    std::vector<std::string> keys_;
};

}  // namespace

std::unique_ptr<RowWriter> makeJsonLinesWriter(std::vector<Column> columns, OutputBuffer& out) {
    return std::make_unique<JsonLinesWriter>(std::move(columns), out);
}

}  // namespace bithydraulics::cli
