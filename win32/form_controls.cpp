#include "win32/form_controls.h"

#include <algorithm>

#include "behaviour/form_scale.h"
#include "win32/control_ids.h"
#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

HWND createControl(HWND parent, const wchar_t* windowClass, const ControlDescription& control,
                   DWORD style, DWORD extendedStyle, int id) {
    return CreateWindowExW(
        extendedStyle, windowClass, toWide(control.text).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

// The controls in creation order: those taking the focus by their focus order, each field
// preceded by its caption; captions of no field last.
std::vector<const ControlDescription*> creationOrder(const FormDescription& form) {
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : form.controls) {
        if (control.focusOrder != kNoFocus) {
            focusable.push_back(&control);
        }
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto* a, const auto* b) { return a->focusOrder < b->focusOrder; });
    std::vector<const ControlDescription*> order;
    for (const ControlDescription* control : focusable) {
        for (const ControlDescription& caption : form.controls) {
            if (control->kind == ControlKind::TextField && caption.kind == ControlKind::Caption &&
                caption.captionOf == control->index) {
                order.push_back(&caption);
            }
        }
        order.push_back(control);
    }
    for (const ControlDescription& caption : form.controls) {
        if (caption.kind == ControlKind::Caption && caption.captionOf == kNoIndex) {
            order.push_back(&caption);
        }
    }
    return order;
}

bool inArray(int index) {
    return index >= 0 && index < kFieldCount;
}

}  // namespace

FormControls createFormControls(HWND parent, const FormDescription& form) {
    FormControls controls;
    for (const ControlDescription* control : creationOrder(form)) {
        HWND made = nullptr;
        switch (control->kind) {
            case ControlKind::TextField:
                // A result field is selected and copied, never typed into.
                made = createControl(
                    parent, L"EDIT", *control,
                    WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (control->readOnly ? ES_READONLY : 0),
                    WS_EX_CLIENTEDGE, kFirstFieldId + control->index);
                if (inArray(control->index)) {
                    controls.fields[static_cast<std::size_t>(control->index)] = made;
                }
                break;
            case ControlKind::Caption:
                // No access keys: "&" shows as it is.
                made = createControl(parent, L"STATIC", *control,
                                     SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0,
                                     kFirstCaptionId + control->index);
                if (inArray(control->index)) {
                    controls.captions[static_cast<std::size_t>(control->index)] = made;
                }
                break;
            case ControlKind::Button: {
                const bool computes = control->role == ControlRole::Compute;
                made = createControl(parent, L"BUTTON", *control, WS_TABSTOP | BS_PUSHBUTTON, 0,
                                     computes ? kComputeButtonId : kExitButtonId);
                (computes ? controls.compute : controls.exit) = made;
                break;
            }
        }
        controls.placed.emplace_back(made, control->bounds);
    }
    return controls;
}

void layOutFormControls(const FormControls& controls, int dpi, HFONT font) {
    HDWP positions = BeginDeferWindowPos(static_cast<int>(controls.placed.size()));
    for (const auto& [control, bounds] : controls.placed) {
        const PixelRect rect = pixelRectAt(bounds, dpi);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        positions = DeferWindowPos(positions, control, nullptr, rect.left, rect.top, rect.width,
                                   rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(positions);
}

}  // namespace bithydraulics::win32
