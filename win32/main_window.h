#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "behaviour/case_document.h"
#include "behaviour/group_edit_record.h"
#include "behaviour/result_record.h"
#include "calc/compute_command.h"
#include "win32/edit_field_array.h"
#include "win32/form_controls.h"
#include "win32/menu_bar.h"

namespace bithydraulics::win32 {

class FieldTooltips;
class GuideWindow;
class SettingsStore;
class WindowFont;

// What the window takes from the program around it.
struct WindowServices {
    HINSTANCE instance;
    WindowFont& font;
    SettingsStore& settings;
    // Called once the window and its controls have painted for the first time (start-up
    // measurements); nothing by default.
    std::function<void(HWND)> afterFirstPaint = {};
};

// The program's one window, 水利参数: the form built from hydraulicsFormDescription() as its
// client area, laid out for the density of the monitor it stands on, under a menu bar. It owns
// the twenty fields and the calculation state. 运算 runs the compute command on the fields; a
// calculation fault is reported and leaves every field as it was, and the program runs on.
// 退出, 文件 → 退出 and the close box end the program.
class MainWindow {
  public:
    explicit MainWindow(const WindowServices& services);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    // Shows the window with the focus on 运算.
    void show(int showCommand);
    // Runs the window's messages until the program ends; returns its exit status.
    int run();

    // Opens the case file at `path` into the input fields (a file given on the command line).
    void openCase(const std::wstring& path);

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK inputFieldProcedure(HWND field, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR owner);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void created(HWND window);
    void command(int id, int notification, HWND control);
    LRESULT fieldColours(HDC device, HWND field);
    void layOut(int dpi);
    void sizeForDpi(int dpi);

    void compute();
    void reportFault(const CalculationFault& fault);
    void inputEdited(int index);
    void markPartlyRead(const std::array<std::optional<std::string>, kInputFieldCount>& notes);
    void showStaleness();
    // Replaces the input texts that differ from `texts` as one edit that 撤销 takes back whole:
    // a case opened, pasted or begun anew.
    void replaceInputs(const InputTexts& texts);
    // 编辑 → 撤销 and Ctrl+Z: the last whole case taken back, else the focused field's own undo.
    void undo();
    // Fills the input fields from index `first` on with the cells of `text`, each as an edit.
    void pasteCells(int first, const std::string& text);
    void pasteCase();
    // Runs 运算 unless the results shown are those of the inputs; whether they are now.
    bool computeUnlessCurrent();
    void copyResults();
    // Asks 保存 / 不保存 / 取消 when a case file in play was changed; whether the figures may go.
    bool mayLetGo();
    void newCase();
    void openCaseChosen();
    void saveCase(bool askForName);
    void exportResults();
    void openRecentFile(std::size_t index);
    void rememberRecentFile(const std::wstring& path);
    // A file that could not be opened leaves the recent files.
    void forgetRecentFile(const std::wstring& path);
    void updateTitle();
    InputTexts inputTexts() const;
    void showAbout();
    // 退出 and the close box: asks about a changed case file in play, remembers where the window
    // stands and ends the program. Returns false when the user chose to stay.
    bool exitProgram();

    WindowServices services_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    FormControls controls_;
    std::unique_ptr<EditFieldArray> fields_;
    CalculationState state_;
    ResultRecord record_;
    GroupEditRecord groupEdits_;
    CaseDocument document_;
    std::array<bool, kInputFieldCount> marked_{};
    std::unique_ptr<FieldTooltips> tooltips_;
    std::unique_ptr<GuideWindow> guide_;
    MenuBar menus_;
    HBRUSH markBrush_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool painted_ = false;
};

}  // namespace bithydraulics::win32
