#pragma once

#include <memory>
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

// Why no window can be shown when a display is named but the GUI library cannot open it, in one
// line that names it.
std::string unopenedDisplay(const DisplaySettings& settings);

// Watches the GUI library's start for as long as it lives. Should the library give up (it cannot
// reach the display: no X server or compositor there, or access refused), the program says so in
// one line (unopenedDisplay) and ends with status 1, instead of the library aborting with its
// own advice. The library's other messages are held back meanwhile and passed on when the watch
// ends, so a start that succeeds shows them as usual.
class DisplayStartWatch {
  public:
    explicit DisplayStartWatch(const DisplaySettings& settings);
    ~DisplayStartWatch();
    DisplayStartWatch(const DisplayStartWatch&) = delete;
    DisplayStartWatch& operator=(const DisplayStartWatch&) = delete;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace bithydraulics
