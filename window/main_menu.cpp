#include "window/main_menu.h"
#include "window/utf8_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>
#include <QWidget>

namespace bithydraulics {
namespace {

// Marks the actions whose shortcuts the program's other windows share.
constexpr const char* kEveryWindowProperty = "everyWindow";

}  // namespace

void shareEveryWindowShortcuts(const QWidget& mainWindow, QWidget& window) {
    for (QAction* action : mainWindow.findChildren<QAction*>()) {
        if (action->property(kEveryWindowProperty).toBool()) {
            // A window shortcut works in every window that holds its action.
            window.addAction(action);
        }
    }
}

void addMenus(QMenuBar& bar, const std::vector<Menu>& menus) {
    for (const Menu& description : menus) {
        QMenu* menu = bar.addMenu(fromUtf8(description.title));
        for (const MenuCommand& command : description.commands) {
            if (command.separator) {
                menu->addSeparator();
                continue;
            }
            if (command.fillSubmenu) {
                QMenu* inner = menu->addMenu(fromUtf8(command.caption));
                command.fillSubmenu(*inner);
                QObject::connect(inner, &QMenu::aboutToShow, inner,
                                 [inner, fill = command.fillSubmenu] {
                                     inner->clear();
                                     fill(*inner);
                                 });
                continue;
            }
            QAction* action = menu->addAction(fromUtf8(command.caption));
            action->setShortcut(command.shortcut);
            action->setProperty(kEveryWindowProperty, command.everyWindow);
            QObject::connect(action, &QAction::triggered, action, command.run);
        }
    }
}

}  // namespace bithydraulics
