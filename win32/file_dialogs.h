#pragma once

#include <windows.h>

#include <string>

// The questions the window's commands put to the user, in Windows' own dialogs.
namespace bithydraulics::win32 {

// A case file to open, starting in `folder`; empty when the user cancels.
std::wstring fileToOpen(HWND owner, const std::wstring& title, const std::wstring& folder);

// A file to write, proposing `path`; empty when the user cancels. The dialog has asked before
// replacing a file that is there, and adds ".csv" to a name typed without an extension.
std::wstring fileToSave(HWND owner, const std::wstring& title, const std::wstring& path);

enum class CloseAnswer { Save, Discard, Cancel };

// Whether to save the changes to the case file `fileName` before they are lost: 保存, 不保存
// or 取消, as the Qt window asks it.
CloseAnswer askBeforeClosing(HWND owner, const std::wstring& fileName, const std::wstring& title);

}  // namespace bithydraulics::win32
