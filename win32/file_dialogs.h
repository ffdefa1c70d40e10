#pragma once

#include <windows.h>

#include <string>

#include "behaviour/unsaved_changes.h"

// The questions the window's commands put to the user, in Windows' own dialogs.
namespace bithydraulics::win32 {

// A case file to open, starting in `folder`; empty when the user cancels.
std::wstring fileToOpen(HWND owner, const std::wstring& title, const std::wstring& folder);

// A file to write, proposing `path`; empty when the user cancels. The dialog has asked before
// replacing a file that is there, and adds ".csv" to a name typed without an extension.
std::wstring fileToSave(HWND owner, const std::wstring& title, const std::wstring& path);

// Whether to save the changes to the case file before they are lost: 保存, 不保存 or Windows' own
// 取消, in a task dialog titled `title`.
UnsavedAnswer askToSaveChanges(HWND owner, const UnsavedQuestion& question,
                               const std::wstring& title);

}  // namespace bithydraulics::win32
