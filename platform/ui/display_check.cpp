#include "platform/ui/display_check.h"

#include <cstdlib>

namespace bithydraulics {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

// "xcb" for "xcb:option=value"; the options do not matter here.
std::string_view pluginName(std::string_view entry) {
    return entry.substr(0, entry.find(':'));
}

bool pluginReachable(std::string_view plugin, const DisplaySettings& settings) {
    if (plugin == "xcb") {
        return !settings.x11Display.empty();
    }
    // Any other plugin the user asked for by name (offscreen, vnc, wayland, ...) is left to
    // the GUI library to judge.
    return !plugin.empty();
}

}  // namespace

std::optional<std::string> missingDisplay(const DisplaySettings& settings) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)settings;
    return std::nullopt;
#else
    const std::string_view hint = "; run it under xvfb-run (xvfb-run -a bit-hydraulics)";
    if (settings.platform.empty()) {
        if (!settings.x11Display.empty() || !settings.waylandDisplay.empty()) {
            return std::nullopt;
        }
        return "cannot open the window: no display (DISPLAY and WAYLAND_DISPLAY are unset)" +
               std::string(hint);
    }
    // A list such as "wayland;xcb" is tried in order; one reachable entry is enough.
    std::string_view rest = settings.platform;
    while (true) {
        const std::size_t end = rest.find(';');
        if (pluginReachable(pluginName(rest.substr(0, end)), settings)) {
            return std::nullopt;
        }
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return "cannot open the window: the platform \"" + std::string(settings.platform) +
           "\" needs a display and DISPLAY is unset" + std::string(hint);
#endif
}

DisplaySettings currentDisplaySettings(int argc, const char* const* argv) {
    DisplaySettings settings{environment("QT_QPA_PLATFORM"), environment("DISPLAY"),
                             environment("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            settings.platform = argv[i + 1];
        }
    }
    return settings;
}

}  // namespace bithydraulics
