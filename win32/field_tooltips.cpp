#include "win32/field_tooltips.h"

#include <commctrl.h>

#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

// Wide enough for "钻头水功率 (kW)" on one line; lines break only where the text does.
constexpr int kMostTipWidth = 600;

TOOLINFOW toolOf(HWND owner, HWND field, std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text.data();
    return tool;
}

}  // namespace

FieldTooltips::FieldTooltips(HWND owner)
    : owner_(owner),
      tips_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr)) {
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, kMostTipWidth);
}

FieldTooltips::~FieldTooltips() {
    DestroyWindow(tips_);
}

void FieldTooltips::add(HWND field, const std::string& text) {
    std::wstring wide = toWide(text);
    TOOLINFOW tool = toolOf(owner_, field, wide);
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FieldTooltips::change(HWND field, const std::string& text) {
    std::wstring wide = toWide(text);
    TOOLINFOW tool = toolOf(owner_, field, wide);
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FieldTooltips::setFont(HFONT font) {
    SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace bithydraulics::win32
