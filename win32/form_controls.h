#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "behaviour/form_description.h"
#include "calc/compute_command.h"

namespace bithydraulics::win32 {

// The controls of the window's client area, made from its description.
struct FormControls {
    std::array<HWND, kFieldCount> fields{};    // Text1(0..19)
    std::array<HWND, kFieldCount> captions{};  // Label1(0..19)
    HWND compute = nullptr;
    HWND exit = nullptr;
    // Every control with its place in twips, for laying them out again at another density.
    std::vector<std::pair<HWND, TwipsRect>> placed;
};

// Makes the controls of `form` in `parent`, in the order that is both the tab order (the
// controls that take the focus, by their focus order) and the order a screen reader labels
// fields in (each field's caption just before the field). Places nothing yet.
FormControls createFormControls(HWND parent, const FormDescription& form);

// Places every control at `dpi` dots an inch and gives it `font`.
void layOutFormControls(const FormControls& controls, int dpi, HFONT font);

}  // namespace bithydraulics::win32
