#include "window/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

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
            QObject::connect(action, &QAction::triggered, action, command.run);
        }
    }
}

}  // namespace bithydraulics
