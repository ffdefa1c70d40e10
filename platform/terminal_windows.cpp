#include <windows.h>

#include "platform/terminal.h"

namespace bithydraulics {

std::optional<std::size_t> outputTerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == INVALID_HANDLE_VALUE || GetConsoleScreenBufferInfo(output, &info) == 0) {
        return std::nullopt;
    }
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? std::optional<std::size_t>(static_cast<std::size_t>(columns))
                       : std::nullopt;
}

}  // namespace bithydraulics
