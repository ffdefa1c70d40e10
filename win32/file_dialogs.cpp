#include "win32/file_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>

#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

// Filter pairs, each a caption and its patterns, ended by an empty pair.
constexpr wchar_t kCaseFilter[] = L"算例文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0";

OPENFILENAMEW dialogOf(HWND owner, const std::wstring& title, std::array<wchar_t, 4096>& file) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kCaseFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = L"csv";
    return dialog;
}

// The common dialogs' library, loaded when a dialog is first asked for: importing it would load
// the shell's libraries with it at every start, which costs Wine a good part of its start-up.
template <typename Function>
Function* commonDialog(const char* name) {
    static HMODULE library = LoadLibraryW(L"comdlg32.dll");
    return library != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)))
               : nullptr;
}

bool runFileDialog(const char* name, OPENFILENAMEW& dialog) {
    auto* run = commonDialog<BOOL WINAPI(OPENFILENAMEW*)>(name);
    return run != nullptr && run(&dialog);
}

}  // namespace

std::wstring fileToOpen(HWND owner, const std::wstring& title, const std::wstring& folder) {
    std::array<wchar_t, 4096> file{};
    OPENFILENAMEW dialog = dialogOf(owner, title, file);
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    return runFileDialog("GetOpenFileNameW", dialog) ? std::wstring(file.data()) : std::wstring();
}

std::wstring fileToSave(HWND owner, const std::wstring& title, const std::wstring& path) {
    std::array<wchar_t, 4096> file{};
    lstrcpynW(file.data(), path.c_str(), static_cast<int>(file.size()));
    OPENFILENAMEW dialog = dialogOf(owner, title, file);
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    return runFileDialog("GetSaveFileNameW", dialog) ? std::wstring(file.data()) : std::wstring();
}

UnsavedAnswer askToSaveChanges(HWND owner, const UnsavedQuestion& question,
                               const std::wstring& title) {
    const std::wstring instruction = toWide(question.question);
    const std::wstring consequence = toWide(question.consequence);
    const std::wstring save = toWide(question.saveButton);
    const std::wstring discard = toWide(question.discardButton);
    constexpr int kSave = 100;
    constexpr int kDiscard = 101;
    const TASKDIALOG_BUTTON buttons[] = {{kSave, save.c_str()}, {kDiscard, discard.c_str()}};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
    config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszMainInstruction = instruction.c_str();
    config.pszContent = consequence.c_str();
    config.pButtons = buttons;
    config.cButtons = static_cast<UINT>(std::size(buttons));
    config.nDefaultButton = kSave;
    int pressed = IDCANCEL;
    if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) {
        return UnsavedAnswer::Cancel;
    }
    return pressed == kSave      ? UnsavedAnswer::Save
           : pressed == kDiscard ? UnsavedAnswer::Discard
                                 : UnsavedAnswer::Cancel;
}

}  // namespace bithydraulics::win32
