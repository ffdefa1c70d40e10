#include "win32/window_font.h"

#include <array>

#include "win32/resource_ids.h"

namespace bithydraulics::win32 {
namespace {

constexpr wchar_t kEmbeddedFamily[] = L"WenQuanYi Micro Hei Subset";
// What Windows (and Wine with a CJK font installed) offers for Chinese text, best first.
constexpr std::array<const wchar_t*, 5> kFallbackFamilies{L"Microsoft YaHei UI", L"Microsoft YaHei",
                                                          L"SimSun", L"WenQuanYi Micro Hei",
                                                          L"MS Shell Dlg 2"};
constexpr int kFontPoints = 9;

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool hasFamily(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HANDLE registerEmbeddedFont(HINSTANCE instance) {
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(BH_RESOURCE_FONT), RT_RCDATA);
    HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return nullptr;
    }
    DWORD installed = 0;
    return AddFontMemResourceEx(bytes, SizeofResource(instance, resource), nullptr, &installed);
}

}  // namespace

std::wstring systemChineseFamily() {
    for (const wchar_t* family : kFallbackFamilies) {
        if (hasFamily(family)) {
            return family;
        }
    }
    return kFallbackFamilies.back();
}

int fontHeightAt(int points, int dpi) {
    return -MulDiv(points, dpi, 72);
}

WindowFont::WindowFont(HINSTANCE instance) : embedded_(registerEmbeddedFont(instance)) {
    if (embedded_ != nullptr && hasFamily(kEmbeddedFamily)) {
        family_ = kEmbeddedFamily;
        return;
    }
    family_ = systemChineseFamily();
}

WindowFont::~WindowFont() {
    for (const auto& [dpi, font] : fonts_) {
        DeleteObject(font);
    }
    if (embedded_ != nullptr) {
        RemoveFontMemResourceEx(embedded_);
    }
}

HFONT WindowFont::at(int dpi) {
    auto& font = fonts_[dpi];
    if (font == nullptr) {
        LOGFONTW description{};
        description.lfHeight = fontHeightAt(kFontPoints, dpi);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfQuality = CLEARTYPE_QUALITY;
        lstrcpynW(description.lfFaceName, family_.c_str(), LF_FACESIZE);
        font = CreateFontIndirectW(&description);
    }
    return font;
}

}  // namespace bithydraulics::win32
