#pragma once

#include <string>
#include <string_view>

#include "cli/output_buffer.h"

namespace bithydraulics::cli {

// `text` as a JSON string, quotes and escapes included. `text` must be valid UTF-8; characters
// beyond ASCII stand as they are.
std::string jsonString(std::string_view text);

// The same, appended to `out`; text that needs no escape is copied straight through.
void appendJsonString(OutputBuffer& out, std::string_view text);

}  // namespace bithydraulics::cli
