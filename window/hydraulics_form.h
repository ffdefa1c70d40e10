#pragma once

#include <QMainWindow>
#include <memory>
#include <span>

#include "calc/compute_command.h"
#include "window/form_builder.h"
#include "window/input_group_edits.h"
#include "window/input_marks.h"
#include "window/line_edit_field_array.h"
#include "window/paste_cells.h"
#include "window/window_memory.h"

class QCloseEvent;
class QSettings;

namespace bithydraulics {

class FaultReporter;
class UserDialogs;
class WindowMenus;

// What the window takes from the program around it. Without dialogs it uses Qt's own; without
// settings it remembers nothing between runs.
struct WindowServices {
    FaultReporter& faults;
    UserDialogs* dialogs = nullptr;
    QSettings* settings = nullptr;
    // Where the chart window's library lies; empty for where the program finds it beside itself.
    QString chartLibraryFolder = {};
};

// The program's one window: the form built from hydraulicsFormDescription() as its client area,
// under a menu bar. It owns the twenty fields and the calculation state. Its compute button runs
// the compute command on the fields; a calculation fault goes to the fault reporter and leaves
// every field as it was. Its exit button, 文件 → 退出 and its close box end the program, once
// changes to a case file in play are saved or let go.
class HydraulicsForm final : public QMainWindow {
    Q_OBJECT

  public:
    explicit HydraulicsForm(FaultReporter& faults, QWidget* parent = nullptr);
    explicit HydraulicsForm(const WindowServices& services, QWidget* parent = nullptr);
    ~HydraulicsForm() override;

    // Text1(0..19) and Label1(0..19).
    QLineEdit* field(int index) const {
        return controls_.fields.at(static_cast<std::size_t>(index));
    }
    QLabel* caption(int index) const {
        return controls_.captions.at(static_cast<std::size_t>(index));
    }
    // Text1(0..10), the input fields, in field (and focus) order.
    std::span<QLineEdit* const> inputFields() const {
        return std::span(controls_.fields).first(kInputFieldCount);
    }
    QPushButton* computeButton() const { return controls_.compute; }
    QPushButton* exitButton() const { return controls_.exit; }
    // The area under the menu bar that the form's description lays out.
    QWidget* clientArea() const { return centralWidget(); }
    // The fields as the compute command reads and writes them.
    const FieldArray& fieldArray() const { return fields_; }
    const CalculationState& state() const { return state_; }
    const InputMarks& inputMarks() const { return marks_; }
    WindowMenus& menus() { return *menus_; }
    const QString& chartLibraryFolder() const { return chartLibraryFolder_; }

    // The compute button's Click.
    void compute();
    // Reports a fault of the compute command's reading or arithmetic as 运算 does, naming the
    // figures to check.
    void reportFault(const CalculationFault& fault);
    // The report's text, for showing it elsewhere than in the report's message box.
    QString faultText(const CalculationFault& fault) const;
    // Fills the input fields from the first on with the cells on the clipboard (编辑 → 粘贴算例).
    void pasteCase();
    // Replaces input texts as one edit that Ctrl+Z (or undoInputs()) takes back whole: a case
    // opened, pasted or applied.
    void replaceInputs(std::span<const InputText> texts) { groupEdits_.replace(texts); }
    // Takes back the last such edit if nothing was typed since (编辑 → 撤销 from outside a field).
    bool undoInputs() { return groupEdits_.undo(); }
    // Opens the case file at `path` (as given on the command line).
    void openCaseFile(const QString& path);
    // Remembers where the window stands and ends the program (退出); with a case file in play
    // whose inputs were changed, first asks whether to save them, and cancelling ends nothing.
    void exitProgram();

  signals:
    // 运算 has computed and written the results; state() holds what it read.
    void computed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool mayEnd();

    FaultReporter& faults_;
    std::unique_ptr<UserDialogs> ownDialogs_;  // when the program gives none
    UserDialogs& dialogs_;
    WindowMemory memory_;
    FormControls controls_;
    LineEditFieldArray fields_;
    CalculationState state_;
    InputMarks marks_;
    InputGroupEdits groupEdits_;
    PasteCells pasteCells_;
    QString chartLibraryFolder_;
    std::unique_ptr<WindowMenus> menus_;
};

}  // namespace bithydraulics
