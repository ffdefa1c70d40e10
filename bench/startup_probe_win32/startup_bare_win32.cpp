// The yardstick under Wine: an empty Win32 window of the Qt yardstick's size, with the program's
// resources (its manifest asks for the same common controls and DPI awareness), started and
// measured as startup_win32.exe is. What it takes is Wine's own cost of putting up a window.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "unix_clock.h"

namespace {

using namespace bithydraulics::bench;

long long mainEnteredUs = 0;
bool painted = false;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && !painted) {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        painted = true;
        GdiFlush();
        const long long now = unixMicroseconds();
        const long long t0 = startedAtMicroseconds(now);
        std::printf("first_paint_ms=%.2f main_ms=%.2f\n", static_cast<double>(now - t0) / 1000.0,
                    static_cast<double>(mainEnteredUs - t0) / 1000.0);
        std::fflush(stdout);
        PostMessageW(window, WM_CLOSE, 0, 0);
        return result;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
    mainEnteredUs = unixMicroseconds();
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"bare";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 456, 262};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, L"bare", L"bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
