#pragma once

#include <string_view>
#include <vector>

// How a list of nozzle sizes is written, one rule for the command line and the window: sizes
// apart by commas, semicolons, blanks or their Chinese forms (，；、 and the ideographic space),
// as people list them: "8, 9.5, 11", "8;9", "8 9".
namespace bithydraulics::optimize {

// The items of a UTF-8 list, separators dropped; empty for a list of nothing.
std::vector<std::string_view> splitSizeList(std::string_view list);

}  // namespace bithydraulics::optimize
