#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bithydraulics::win32 {

// The window's menu bar, 文件 / 编辑 / 帮助, with the Qt window's commands, access keys and
// shortcuts; the shortcuts as an accelerator table. 工具 comes when its windows exist here.
struct MenuBar {
    HMENU bar = nullptr;
    HMENU recentFiles = nullptr;  // 文件 → 最近的文件, filled by fillRecentFiles
    HACCEL shortcuts = nullptr;
};

MenuBar createMenuBar();
void destroyShortcuts(const MenuBar& menus);

// Lists `files` (the latest first) under 最近的文件, each with its number as access key; greyed
// "（无）" when there are none.
void fillRecentFiles(const MenuBar& menus, const std::vector<std::wstring>& files);

}  // namespace bithydraulics::win32
