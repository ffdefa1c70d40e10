#pragma once

#include <QList>
#include <QStringList>

namespace bithydraulics {

class HydraulicsForm;
class UserDialogs;
class WindowMemory;

// The window's twenty fields as a table: a header row, then one row a field in field order,
// each its caption, the text it shows and its unit.
QList<QStringList> fieldTable(const HydraulicsForm& form);

// The commands that take the window's figures elsewhere: 复制结果 puts the table on the clipboard
// tab-separated, ready to paste into a spreadsheet or a report; 导出结果… writes it to a CSV file.
class ResultExport {
  public:
    ResultExport(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory)
        : form_(form), dialogs_(dialogs), memory_(memory) {}

    void copyToClipboard();
    void exportToFile();

  private:
    HydraulicsForm& form_;
    UserDialogs& dialogs_;
    WindowMemory& memory_;
};

}  // namespace bithydraulics
