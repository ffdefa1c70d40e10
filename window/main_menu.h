#pragma once

#include <QKeySequence>
#include <functional>
#include <string_view>
#include <vector>

class QMenu;
class QMenuBar;

namespace bithydraulics {

// A command of a menu: its caption with its access key ("打开算例(&O)…"), its shortcut, if any,
// and what it does; or a separator between commands; or a submenu whose commands change while
// the program runs (最近的文件), filled afresh each time it opens.
struct MenuCommand {
    std::string_view caption;
    QKeySequence shortcut;
    std::function<void()> run;
    bool separator = false;
    std::function<void(QMenu&)> fillSubmenu = {};
};

// A menu of the menu bar: its title with its access key ("文件(&F)") and its commands.
struct Menu {
    std::string_view title;
    std::vector<MenuCommand> commands;
};

inline MenuCommand menuSeparator() {
    return {{}, {}, {}, true};
}

inline MenuCommand submenu(std::string_view caption, std::function<void(QMenu&)> fill) {
    return {caption, {}, {}, false, std::move(fill)};
}

// Adds `menus` to `bar` from left to right. Each command becomes an action of its menu whose
// shortcut works anywhere in the window.
void addMenus(QMenuBar& bar, const std::vector<Menu>& menus);

}  // namespace bithydraulics
