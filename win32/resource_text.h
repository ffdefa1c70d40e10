#pragma once

#include <windows.h>

#include <string_view>

namespace bithydraulics::win32 {

// The bytes of the program's RCDATA resource `id` (the guide, the font's notice), which live as
// long as the program; empty when it has none.
std::string_view resourceText(HINSTANCE instance, int id);

}  // namespace bithydraulics::win32
