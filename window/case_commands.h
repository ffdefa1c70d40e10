#pragma once

#include <QString>
#include <cstddef>

#include "behaviour/case_document.h"

class QMenu;

namespace bithydraulics {

class HydraulicsForm;
class UserDialogs;
class WindowMemory;

// The case file as the window's document: 新建, 打开算例…, 最近的文件, 保存算例 and 另存为….
// Opening reads the whole file before it changes anything, offers the cases of a file of several
// to choose from, and fills the eleven inputs as one edit that Ctrl+Z takes back whole. The title
// names the file in play and marks it while its inputs differ from the file's; before they are
// lost (新建, opening another, ending the program) the user is asked whether to save them.
class CaseCommands {
  public:
    CaseCommands(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory);

    void newCase();
    void open();
    // Opens the case file at `path`, as 打开算例 does once the file is chosen.
    void openFile(const QString& path);
    // To the file in play without asking; else as 另存为.
    void save();
    void saveAs();
    // Lists the recent files in `menu`, each opening its file.
    void fillRecentFiles(QMenu& menu);

    // Whether the inputs may be let go: nothing changed since the file in play was opened or
    // saved, or the user has saved them or chosen not to. False when the user cancels or saving
    // failed.
    bool mayLetGo();

  private:
    InputTexts inputTexts() const;
    // Writes the inputs to `path`; says why not and returns false if it cannot.
    bool saveTo(const QString& path);
    void showTitle();

    HydraulicsForm& form_;
    UserDialogs& dialogs_;
    WindowMemory& memory_;
    CaseDocument document_;
};

}  // namespace bithydraulics
