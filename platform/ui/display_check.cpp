#include "platform/ui/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace bithydraulics {
namespace {

constexpr std::string_view kHint = "; run it under xvfb-run (xvfb-run -a bit-hydraulics)";

std::string quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// The watch in force: a message handler is a plain function, so it reaches the watch's line and
// held messages through this one pointer.
DisplayStartWatch* activeWatch = nullptr;

}  // namespace

struct DisplayStartWatch::State {
    // A message of the GUI library held back while its start is watched.
    struct HeldMessage {
        QtMsgType type;
        const char* file;  // the context's texts are the library's static strings
        int line;
        const char* function;
        const char* category;
        QString text;
    };

    std::string unopened;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        State& state = *activeWatch->state_;
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "bit-hydraulics: %s\n", state.unopened.c_str());
            std::_Exit(1);
        }
        state.held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
    }
};

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
    const std::string_view hint = kHint;
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

std::string unopenedDisplay(const DisplaySettings& settings) {
    std::string displays;
    if (!settings.waylandDisplay.empty()) {
        displays = "the Wayland display " + quoted(settings.waylandDisplay);
    }
    if (!settings.x11Display.empty()) {
        displays += (displays.empty() ? "the X display " : " nor the X display ") +
                    quoted(settings.x11Display);
    }
    std::string line = "cannot open the window: ";
    if (displays.empty()) {
        line += "the platform " + quoted(settings.platform) + " cannot be started";
    } else {
        line += (displays.find(" nor ") != std::string::npos ? "neither " : "") + displays +
                (displays.find(" nor ") != std::string::npos ? " can" : " cannot") +
                " be opened (no display server there, or access refused)";
    }
    return line + std::string(kHint);
}

DisplayStartWatch::DisplayStartWatch(const DisplaySettings& settings)
    : state_(std::make_unique<State>()) {
    state_->unopened = unopenedDisplay(settings);
    activeWatch = this;
    state_->previous = qInstallMessageHandler(&State::handle);
}

DisplayStartWatch::~DisplayStartWatch() {
    qInstallMessageHandler(state_->previous);
    activeWatch = nullptr;
    for (const State::HeldMessage& message : state_->held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace bithydraulics
