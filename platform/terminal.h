#pragma once

#include <cstddef>
#include <optional>

namespace bithydraulics {

// The width in columns of the terminal the standard output goes to; none when it goes to a file,
// a pipe or anything else that is not a terminal.
std::optional<std::size_t> outputTerminalColumns();

}  // namespace bithydraulics
