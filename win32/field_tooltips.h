#pragma once

#include <windows.h>

#include <string>

namespace bithydraulics::win32 {

// One tooltip control for the window's fields: each field shows its own text when the pointer
// rests on it, in several lines where it has them.
class FieldTooltips {
  public:
    explicit FieldTooltips(HWND owner);
    ~FieldTooltips();
    FieldTooltips(const FieldTooltips&) = delete;
    FieldTooltips& operator=(const FieldTooltips&) = delete;

    void add(HWND field, const std::string& text);
    void change(HWND field, const std::string& text);
    void setFont(HFONT font);

  private:
    HWND owner_;
    HWND tips_;
};

}  // namespace bithydraulics::win32
