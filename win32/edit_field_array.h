#pragma once

#include <windows.h>

#include <array>

#include "calc/compute_command.h"

namespace bithydraulics::win32 {

// The twenty edit controls as the compute command reads and writes them.
class EditFieldArray final : public FieldArray {
  public:
    explicit EditFieldArray(const std::array<HWND, kFieldCount>& fields) : fields_(fields) {}

    std::string readText(int index) const override;
    void replaceText(int index, std::string_view text) override;

  private:
    const std::array<HWND, kFieldCount>& fields_;
};

// The whole text of a window (a field, a caption, a button).
std::wstring windowText(HWND window);

// Replaces the whole text of the edit control `field` as typing would, so that its undo (Ctrl+Z)
// takes the replacement back.
void replaceTextAsEdit(HWND field, const std::wstring& text);

}  // namespace bithydraulics::win32
