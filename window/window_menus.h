#pragma once

#include <vector>

#include "window/case_commands.h"
#include "window/main_menu.h"
#include "window/result_export.h"
#include "window/tool_windows.h"
#include "window/user_guide.h"

namespace bithydraulics {

class HydraulicsForm;
class UserDialogs;
class WindowMemory;

// The window's menu bar, 文件, 编辑, 工具 and 帮助, and the commands behind it.
class WindowMenus {
  public:
    WindowMenus(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory);

    // What the menu bar holds, menu by menu; a further menu goes into this list.
    std::vector<Menu> menus();

    CaseCommands& cases() { return cases_; }
    UserGuide& guide() { return guide_; }
    ToolWindows& tools() { return tools_; }

  private:
    HydraulicsForm& form_;
    CaseCommands cases_;
    ResultExport results_;
    UserGuide guide_;
    ToolWindows tools_;
};

}  // namespace bithydraulics
