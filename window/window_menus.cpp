#include "window/window_menus.h"

#include <QApplication>
#include <QLineEdit>

#include "window/hydraulics_form.h"

namespace bithydraulics {

WindowMenus::WindowMenus(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory)
    : form_(form),
      cases_(form, dialogs, memory),
      results_(form, dialogs, memory),
      guide_(form),
      tools_(form, dialogs, memory) {}

std::vector<Menu> WindowMenus::menus() {
    using Keys = QKeySequence;
    return {
        {"文件(&F)",
         {
             {"新建(&N)", Keys(Qt::CTRL | Qt::Key_N), [this] { cases_.newCase(); }},
             {"打开算例(&O)…", Keys(Qt::CTRL | Qt::Key_O), [this] { cases_.open(); }},
             submenu("最近的文件(&R)", [this](QMenu& menu) { cases_.fillRecentFiles(menu); }),
             menuSeparator(),
             {"保存算例(&S)", Keys(Qt::CTRL | Qt::Key_S), [this] { cases_.save(); }},
             {"另存为(&A)…", Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { cases_.saveAs(); }},
             {"导出结果(&E)…", Keys(), [this] { results_.exportToFile(); }},
             menuSeparator(),
             {"退出(&X)", Keys(Qt::CTRL | Qt::Key_Q), [this] { form_.exitProgram(); }},
         }},
        {"编辑(&E)",
         {
             {"撤销(&U)", Keys(QKeySequence::Undo), [this] { form_.undoInputs(); }},
             menuSeparator(),
             {"复制结果(&C)", Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              [this] { results_.copyToClipboard(); }},
             {"粘贴算例(&P)", Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
              [this] { form_.pasteCase(); }},
         }},
        {"工具(&T)",
         {
             {"水力参数优选(&O)…", Keys(Qt::CTRL | Qt::Key_T),
              [this] { tools_.showOptimization(); }},
             {"排量曲线(&G)…", Keys(Qt::CTRL | Qt::Key_G), [this] { tools_.showFlowChart(); }},
         }},
        {"帮助(&H)",
         {
             {"使用说明(&H)", Keys(Qt::Key_F1), [this] { guide_.showGuide(); }},
             {"关于(&A)", Keys(), [this] { guide_.showAbout(); }},
         }},
    };
}

}  // namespace bithydraulics
