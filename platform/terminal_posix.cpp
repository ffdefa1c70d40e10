#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/terminal.h"

namespace bithydraulics {

std::optional<std::size_t> outputTerminalColumns() {
    winsize size{};
    if (isatty(STDOUT_FILENO) == 0 || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 ||
        size.ws_col == 0) {
        return std::nullopt;
    }
    return size.ws_col;
}

}  // namespace bithydraulics
