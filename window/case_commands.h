#pragma once

namespace bithydraulics {

class HydraulicsForm;
class UserDialogs;
class WindowMemory;

// 打开算例… and 保存算例…: a case file's row into the eleven input fields, and the eleven texts as
// typed into a case file. Opening fills the fields as edits (Ctrl+Z takes each back) and only
// once the whole file has been read; a file of several cases offers them to choose from.
class CaseCommands {
  public:
    CaseCommands(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory)
        : form_(form), dialogs_(dialogs), memory_(memory) {}

    void open();
    void save();

  private:
    HydraulicsForm& form_;
    UserDialogs& dialogs_;
    WindowMemory& memory_;
};

}  // namespace bithydraulics
