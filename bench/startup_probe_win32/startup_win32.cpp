// bit-hydraulics.exe's start-up, as its entry point does it, with a probe at the end of the
// window's first paint, children included: prints the time from the moment the benchmark script
// started the process (its wall clock in microseconds, in BH_STARTUP_T0_US) and the peak working
// set, and ends the program. Also when main() began, which is what Wine's own start cost. Measured
// by bench/startup-win32.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "win32/main_window.h"
#include "win32/settings_store.h"
#include "win32/window_font.h"

#include "unix_clock.h"

namespace {

using namespace bithydraulics::bench;

// When main() began: what starting the process cost before any code of the program ran.
long long mainEnteredUs = 0;

void report(HWND window) {
    // The controls paint after their parent; have them do it now.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const long long now = unixMicroseconds();
    const long long t0 = startedAtMicroseconds(now);
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("first_paint_ms=%.2f main_ms=%.2f peak_kib=%llu\n",
                static_cast<double>(now - t0) / 1000.0,
                static_cast<double>(mainEnteredUs - t0) / 1000.0,
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
    mainEnteredUs = unixMicroseconds();
    using namespace bithydraulics::win32;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WindowFont font(instance);
    SettingsStore settings(false);
    MainWindow window({instance, font, settings, &report});
    window.show(SW_SHOWNORMAL);
    return window.run();
}
