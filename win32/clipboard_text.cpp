#include "win32/clipboard_text.h"

#include <cstring>

#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

// Open for the length of a scope.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool open() const { return open_; }

  private:
    bool open_;
};

std::wstring withCrLf(const std::wstring& text) {
    std::wstring result;
    for (const wchar_t c : text) {
        if (c == L'\n') {
            result += L'\r';
        }
        result += c;
    }
    return result;
}

}  // namespace

std::optional<std::string> clipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* wide = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (wide == nullptr) {
        return std::nullopt;
    }
    std::string text = toUtf8(wide);
    GlobalUnlock(data);
    return text;
}

bool setClipboardText(HWND owner, const std::string& text) {
    const std::wstring wide = withCrLf(toWide(text));
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) {
        return false;
    }
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (data == nullptr) {
        return false;
    }
    std::memcpy(GlobalLock(data), wide.c_str(), bytes);
    GlobalUnlock(data);
    if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) {
        GlobalFree(data);
        return false;
    }
    return true;
}

}  // namespace bithydraulics::win32
