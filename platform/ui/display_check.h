#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether the window system the program would connect to is there, judged before the GUI
// library is started, so the program can say so plainly instead of failing inside it.
namespace bithydraulics {

struct DisplaySettings {
    std::string_view platform;        // QT_QPA_PLATFORM, or the value of -platform
    std::string_view x11Display;      // DISPLAY
    std::string_view waylandDisplay;  // WAYLAND_DISPLAY
};

// Why no window can be shown, in one line, or nothing when a display is at hand.
std::optional<std::string> missingDisplay(const DisplaySettings& settings);

// The settings of this process: its environment and its -platform argument, if any.
DisplaySettings currentDisplaySettings(int argc, const char* const* argv);

}  // namespace bithydraulics
