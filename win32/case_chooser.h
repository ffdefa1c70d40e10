#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "win32/case_files.h"

namespace bithydraulics::win32 {

// Offers the cases of a file of several to choose from, one line each with its number, its labels
// and its figures; the chosen case's index, or nothing when the user cancels.
std::optional<std::size_t> chooseCase(HINSTANCE instance, HWND owner, const cases::CaseTable& table,
                                      HFONT font, int dpi);

}  // namespace bithydraulics::win32
