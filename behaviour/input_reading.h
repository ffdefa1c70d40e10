#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether an input field's text is read whole, decided apart from how a field is marked.
namespace bithydraulics {

// What a field whose text the compute command reads only in part ("15mm" reads 15, "1,820"
// reads 1, "abc" reads 0) says about it: "读作 15". None for a text read whole, and for a figure
// too large to read, which the compute command reports.
std::optional<std::string> partlyReadNote(std::string_view text);

}  // namespace bithydraulics
