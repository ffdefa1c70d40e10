// bit-hydraulics.exe: the window on Windows. Shows the one window, opens a case file given on the
// command line ("Open with" from the file manager), and runs the window's messages.
#include <windows.h>

#include <cstdlib>

#include "win32/main_window.h"
#include "win32/settings_store.h"
#include "win32/window_font.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace bithydraulics::win32;
    // The manifest says the same; this holds where it is not read (a renamed copy).
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    WindowFont font(instance);
    SettingsStore settings;
    MainWindow window({instance, font, settings});
    window.show(showCommand);
    // The C runtime's wide arguments (-municode), without the shell's library for splitting them.
    if (__argc > 1 && __wargv != nullptr) {
        window.openCase(__wargv[1]);
    }
    return window.run();
}
