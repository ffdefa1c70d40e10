#pragma once

#include <QList>
#include <QStringList>

namespace bithydraulics {

class HydraulicsForm;
class UserDialogs;
class WindowMemory;

// The window's results with the inputs that produced them (ResultRecord::table()): a header
// row, then one row a field in field order, each its caption, its figure and its unit. Empty
// before the first 运算.
QList<QStringList> fieldTable(const HydraulicsForm& form);

// The commands that take the window's figures elsewhere: 复制结果 puts the table on the clipboard
// tab-separated, ready to paste into a spreadsheet or a report; 导出结果… writes it to a CSV file.
// Both run 运算 first when the results shown are not those of the inputs, and hand out nothing
// when it faults: never inputs beside results they did not produce.
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
