#include "win32/edit_field_array.h"

#include "win32/wide_text.h"

namespace bithydraulics::win32 {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string EditFieldArray::readText(int index) const {
    return toUtf8(windowText(fields_.at(static_cast<std::size_t>(index))));
}

void EditFieldArray::replaceText(int index, std::string_view text) {
    SetWindowTextW(fields_.at(static_cast<std::size_t>(index)), toWide(text).c_str());
}

void replaceTextAsEdit(HWND field, const std::wstring& text) {
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace bithydraulics::win32
