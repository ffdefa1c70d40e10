#include "win32/menu_bar.h"

#include "win32/control_ids.h"

namespace bithydraulics::win32 {
namespace {

void addCommand(HMENU menu, int id, const wchar_t* caption) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), caption);
}

void addSeparator(HMENU menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void addSubmenu(HMENU parent, HMENU menu, const wchar_t* title) {
    AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
}

// Ctrl with a letter, Ctrl+Shift with a letter, or a plain key.
ACCEL ctrl(char key, int command) {
    return {FVIRTKEY | FCONTROL, static_cast<WORD>(key), static_cast<WORD>(command)};
}
ACCEL ctrlShift(char key, int command) {
    return {FVIRTKEY | FCONTROL | FSHIFT, static_cast<WORD>(key), static_cast<WORD>(command)};
}
ACCEL plain(WORD key, int command) {
    return {FVIRTKEY, key, static_cast<WORD>(command)};
}

}  // namespace

MenuBar createMenuBar() {
    MenuBar menus;
    menus.bar = CreateMenu();

    HMENU file = CreatePopupMenu();
    addCommand(file, kNewCaseCommand, L"新建(&N)\tCtrl+N");
    addCommand(file, kOpenCaseCommand, L"打开算例(&O)…\tCtrl+O");
    menus.recentFiles = CreatePopupMenu();
    addSubmenu(file, menus.recentFiles, L"最近的文件(&R)");
    addSeparator(file);
    addCommand(file, kSaveCaseCommand, L"保存算例(&S)\tCtrl+S");
    addCommand(file, kSaveCaseAsCommand, L"另存为(&A)…\tCtrl+Shift+S");
    addCommand(file, kExportResultsCommand, L"导出结果(&E)…");
    addSeparator(file);
    addCommand(file, kExitCommand, L"退出(&X)\tCtrl+Q");
    addSubmenu(menus.bar, file, L"文件(&F)");

    HMENU edit = CreatePopupMenu();
    addCommand(edit, kUndoCommand, L"撤销(&U)\tCtrl+Z");
    addSeparator(edit);
    addCommand(edit, kCopyResultsCommand, L"复制结果(&C)\tCtrl+Shift+C");
    addCommand(edit, kPasteCaseCommand, L"粘贴算例(&P)\tCtrl+Shift+V");
    addSubmenu(menus.bar, edit, L"编辑(&E)");

    HMENU help = CreatePopupMenu();
    addCommand(help, kGuideCommand, L"使用说明(&H)\tF1");
    addCommand(help, kAboutCommand, L"关于(&A)");
    addSubmenu(menus.bar, help, L"帮助(&H)");

    ACCEL shortcuts[] = {
        ctrl('Z', kUndoCommand),
        ctrl('N', kNewCaseCommand),
        ctrl('O', kOpenCaseCommand),
        ctrl('S', kSaveCaseCommand),
        ctrlShift('S', kSaveCaseAsCommand),
        ctrl('Q', kExitCommand),
        ctrlShift('C', kCopyResultsCommand),
        ctrlShift('V', kPasteCaseCommand),
        plain(VK_F1, kGuideCommand),
    };
    menus.shortcuts = CreateAcceleratorTableW(shortcuts, static_cast<int>(std::size(shortcuts)));
    return menus;
}

void destroyShortcuts(const MenuBar& menus) {
    DestroyAcceleratorTable(menus.shortcuts);
}

void fillRecentFiles(const MenuBar& menus, const std::vector<std::wstring>& files) {
    while (GetMenuItemCount(menus.recentFiles) > 0) {
        DeleteMenu(menus.recentFiles, 0, MF_BYPOSITION);
    }
    if (files.empty()) {
        AppendMenuW(menus.recentFiles, MF_STRING | MF_GRAYED, 0, L"（无）");
        return;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        // As the Qt window lists them: the file's name, then its folder, "算例.csv（D:\井）".
        const std::wstring& path = files[i];
        const std::size_t slash = path.find_last_of(L"\\/");
        const std::wstring shown = slash == std::wstring::npos ? path
                                                               : path.substr(slash + 1) + L"（" +
                                                                     path.substr(0, slash) + L"）";
        // "&&" shows a "&" of the file name rather than taking it as an access key.
        std::wstring caption = L"&" + std::to_wstring(i + 1) + L" ";
        for (const wchar_t c : shown) {
            caption += c;
            if (c == L'&') {
                caption += L'&';
            }
        }
        addCommand(menus.recentFiles, kFirstRecentFileCommand + static_cast<int>(i),
                   caption.c_str());
    }
}

}  // namespace bithydraulics::win32
