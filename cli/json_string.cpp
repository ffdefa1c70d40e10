#include "cli/json_string.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace bithydraulics::cli {
namespace {

bool needsEscaping(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

}  // namespace

std::string jsonString(std::string_view text) {
    if (needsEscaping(text)) {
        return nlohmann::json(std::string(text)).dump();
    }
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

void appendJsonString(OutputBuffer& out, std::string_view text) {
    if (needsEscaping(text)) {
        out.append(jsonString(text));
        return;
    }
    out.append('"');
    out.append(text);
    out.append('"');
}

}  // namespace bithydraulics::cli
