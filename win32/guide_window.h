#pragma once

#include <windows.h>

namespace bithydraulics::win32 {

// 使用说明: the user guide (docs/guide.zh_CN.md, compiled in) in a read-only rich-edit window of
// its own beside the main one, made when first asked for.
class GuideWindow {
  public:
    GuideWindow(HINSTANCE instance, HWND owner);
    ~GuideWindow();
    GuideWindow(const GuideWindow&) = delete;
    GuideWindow& operator=(const GuideWindow&) = delete;

    // Shows the guide, bringing it to the front if it is open already.
    void show();

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    void fill();

    HWND window_ = nullptr;
    HWND text_ = nullptr;
};

}  // namespace bithydraulics::win32
