#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace bithydraulics::win32 {

// The window's font: the program's own cut of WenQuanYi Micro Hei, compiled in as a resource
// and registered for this process only, at 9 points; when it cannot be registered, the first
// Chinese UI font the system has. One font a screen density, made when first asked for.
class WindowFont {
  public:
    explicit WindowFont(HINSTANCE instance);
    ~WindowFont();
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;

    // The font at `dpi` dots an inch; owned here.
    HFONT at(int dpi);
    // The family it uses.
    const std::wstring& family() const { return family_; }

  private:
    HANDLE embedded_ = nullptr;
    std::wstring family_;
    std::map<int, HFONT> fonts_;
};

// The first Chinese UI font the system has, for long texts (the guide) whose characters the
// program's own cut of the font does not all hold.
std::wstring systemChineseFamily();

// The nearest pixel height of `points` at `dpi`, as a font's (negative) character height.
int fontHeightAt(int points, int dpi);

}  // namespace bithydraulics::win32
