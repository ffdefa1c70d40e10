#include "win32/guide_window.h"

#include <richedit.h>

#include "win32/guide_text.h"
#include "win32/resource_ids.h"
#include "win32/resource_text.h"
#include "win32/window_font.h"

namespace bithydraulics::win32 {
namespace {

constexpr wchar_t kGuideClass[] = L"BitHydraulicsGuide";
constexpr int kBodyPoints = 10;
constexpr int kHeadingPoints[] = {14, 12, 11};

void format(HWND text, LONG start, LONG end, int points, bool bold, const std::wstring& family) {
    CHARRANGE range{start, end};
    SendMessageW(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W character{};
    character.cbSize = sizeof character;
    character.dwMask = CFM_SIZE | CFM_BOLD | CFM_FACE;
    character.yHeight = points * 20;
    character.dwEffects = bold ? CFE_BOLD : 0;
    lstrcpynW(character.szFaceName, family.c_str(), LF_FACESIZE);
    SendMessageW(text, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&character));
}

}  // namespace

GuideWindow::GuideWindow(HINSTANCE instance, HWND owner) {
    LoadLibraryW(L"Msftedit.dll");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &GuideWindow::windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kGuideClass;
    RegisterClassExW(&windowClass);

    const UINT dpi = GetDpiForWindow(owner);
    window_ =
        CreateWindowExW(0, kGuideClass, L"使用说明 — 水利参数", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, MulDiv(560, static_cast<int>(dpi), 96),
                        MulDiv(600, static_cast<int>(dpi), 96), owner, nullptr, instance, nullptr);
    text_ = CreateWindowExW(
        0, MSFTEDIT_CLASS, L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
        0, window_, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(text_));
    RECT client;
    GetClientRect(window_, &client);
    MoveWindow(text_, 0, 0, client.right, client.bottom, FALSE);
    fill();
}

GuideWindow::~GuideWindow() {
    DestroyWindow(window_);
}

void GuideWindow::fill() {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    const GuideText guide = guideText(resourceText(instance, BH_RESOURCE_GUIDE));
    SETTEXTEX plain{ST_DEFAULT, 1200};  // UTF-16
    SendMessageW(text_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&plain),
                 reinterpret_cast<LPARAM>(guide.text.c_str()));
    const std::wstring family = systemChineseFamily();
    format(text_, 0, -1, kBodyPoints, false, family);
    // The tables' columns, one tab stop each: the quantity, what it means, its unit.
    PARAFORMAT2 paragraph{};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_TABSTOPS | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_SPACEAFTER;
    paragraph.cTabCount = 2;
    paragraph.rgxTabs[0] = 2520;  // twips
    paragraph.rgxTabs[1] = 6120;
    paragraph.dxStartIndent = 180;
    paragraph.dxRightIndent = 180;
    paragraph.dySpaceAfter = 40;
    SendMessageW(text_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    for (const GuideHeading& heading : guide.headings) {
        const int level = std::min<int>(heading.level, static_cast<int>(std::size(kHeadingPoints)));
        format(text_, static_cast<LONG>(heading.start),
               static_cast<LONG>(heading.start + heading.length), kHeadingPoints[level - 1], true,
               family);
    }
    CHARRANGE top{0, 0};
    SendMessageW(text_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&top));
}

void GuideWindow::show() {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(text_);
}

LRESULT CALLBACK GuideWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            auto* text = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (text != nullptr) {
                MoveWindow(text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
            return 0;
        }
        case WM_CLOSE:
            // Hidden, not destroyed: 使用说明 shows it again where it was.
            ShowWindow(window, SW_HIDE);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace bithydraulics::win32
