#include "win32/case_chooser.h"

#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

constexpr int kListId = 3001;

struct Choice {
    const cases::CaseTable* table;
    HFONT font;
    int dpi;
    HWND list = nullptr;
    std::optional<std::size_t> chosen;
};

// How a case is offered: its number, its labels (井号, ...) and its figures.
std::wstring caseLabel(const cases::CaseTable& table, std::size_t index) {
    std::string label = "第 " + std::to_string(index + 1) + " 个算例：";
    for (std::size_t j = 0; j < table.labelNames().size(); ++j) {
        label += std::string(table.label(index, j)) + " ";
    }
    const InputTexts texts = caseTexts(table, index);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        label += (i > 0 ? ", " : "") + texts[i];
    }
    return toWide(label);
}

HWND addControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                DWORD extendedStyle, int id, RECT place, HFONT font) {
    HWND control =
        CreateWindowExW(extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, place.left,
                        place.top, place.right - place.left, place.bottom - place.top, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void fill(HWND dialog, Choice& choice) {
    const auto px = [&](int pixels) { return MulDiv(pixels, choice.dpi, 96); };
    SetWindowPos(dialog, nullptr, 0, 0, px(560), px(360), SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(dialog, &client);
    const int margin = px(10);
    const int buttonWidth = px(80);
    const int buttonHeight = px(26);
    const std::wstring question =
        L"文件中有 " + std::to_wstring(choice.table->rowCount()) + L" 个算例，请选择一个：";
    addControl(dialog, L"STATIC", question.c_str(), SS_LEFT | SS_NOPREFIX, 0, -1,
               {margin, margin, client.right - margin, margin + px(20)}, choice.font);
    choice.list = addControl(
        dialog, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY,
        WS_EX_CLIENTEDGE, kListId,
        {margin, margin + px(24), client.right - margin, client.bottom - 2 * margin - buttonHeight},
        choice.font);
    const int top = client.bottom - margin - buttonHeight;
    addControl(dialog, L"BUTTON", L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK,
               {client.right - 2 * (margin + buttonWidth), top,
                client.right - 2 * margin - buttonWidth, top + buttonHeight},
               choice.font);
    addControl(
        dialog, L"BUTTON", L"取消", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL,
        {client.right - margin - buttonWidth, top, client.right - margin, top + buttonHeight},
        choice.font);
    SendMessageW(choice.list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < choice.table->rowCount(); ++i) {
        SendMessageW(choice.list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(caseLabel(*choice.table, i).c_str()));
    }
    SendMessageW(choice.list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(px(1200)), 0);
    SendMessageW(choice.list, WM_SETREDRAW, TRUE, 0);
    SendMessageW(choice.list, LB_SETCURSEL, 0, 0);
    SetFocus(choice.list);
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* choice = reinterpret_cast<Choice*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            fill(dialog, *reinterpret_cast<Choice*>(lParam));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK ||
                (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK)) {
                const LRESULT selected = SendMessageW(choice->list, LB_GETCURSEL, 0, 0);
                if (selected != LB_ERR) {
                    choice->chosen = static_cast<std::size_t>(selected);
                }
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

// An empty modal dialog titled `title`, centred on its owner; its controls come at
// WM_INITDIALOG.
std::vector<WORD> emptyDialogTemplate(const std::wstring& title) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    dialog->cx = 300;
    dialog->cy = 200;
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    words.insert(words.end(), title.begin(), title.end());
    words.push_back(0);
    return words;
}

}  // namespace

std::optional<std::size_t> chooseCase(HINSTANCE instance, HWND owner, const cases::CaseTable& table,
                                      HFONT font, int dpi) {
    Choice choice{&table, font, dpi, nullptr, std::nullopt};
    std::vector<WORD> words = emptyDialogTemplate(L"打开算例");
    // DLGTEMPLATE must start on a DWORD boundary, which a vector's storage does.
    DialogBoxIndirectParamW(instance, reinterpret_cast<DLGTEMPLATE*>(words.data()), owner,
                            &dialogProcedure, reinterpret_cast<LPARAM>(&choice));
    return choice.chosen;
}

}  // namespace bithydraulics::win32
