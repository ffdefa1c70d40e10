#pragma once

#include <windows.h>

namespace bithydraulics::win32 {

// 关于: the program's name and version, what it is, its licence and its font's, with the font's
// notice (compiled in) under 详细信息. Returns when the user closes it.
void showAboutBox(HINSTANCE instance, HWND owner);

}  // namespace bithydraulics::win32
