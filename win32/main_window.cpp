#include "win32/main_window.h"

#include <commctrl.h>

#include "behaviour/compute_action.h"
#include "behaviour/fault_message.h"
#include "behaviour/form_scale.h"
#include "behaviour/pasted_cells.h"
#include "behaviour/quantity_captions.h"
#include "behaviour/unsaved_changes.h"
#include "calc/quantities.h"
#include "win32/about_box.h"
#include "win32/case_chooser.h"
#include "win32/case_files.h"
#include "win32/clipboard_text.h"
#include "win32/control_ids.h"
#include "win32/field_tooltips.h"
#include "win32/file_dialogs.h"
#include "win32/guide_window.h"
#include "win32/settings_store.h"
#include "win32/wide_text.h"
#include "win32/window_font.h"

namespace bithydraulics::win32 {
namespace {

// Pale enough not to alarm, plain enough to be seen beside an unmarked field.
constexpr COLORREF kPartlyReadBackground = RGB(0xFF, 0xF3, 0xC4);
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;

const std::wstring& caption() {
    static const std::wstring text = toWide(hydraulicsFormDescription().caption);
    return text;
}

int fieldIndexOf(int id) {
    const int index = id - kFirstFieldId;
    return index >= 0 && index < kFieldCount ? index : -1;
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassExW(&windowClass);
}

// A field's own tooltip with a note under it, as the Qt window shows a mark.
std::string withNote(int index, std::string_view note) {
    return fieldToolTip(index) + "\n" + std::string(note);
}

std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

MainWindow::MainWindow(const WindowServices& services) : services_(services) {
    registerWindowClass(services.instance, &MainWindow::windowProcedure);
    menus_ = createMenuBar();
    markBrush_ = CreateSolidBrush(kPartlyReadBackground);
    CreateWindowExW(0, kMainWindowClass, caption().c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menus_.bar,
                    services.instance, this);
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    destroyShortcuts(menus_);
    DeleteObject(markBrush_);
}

void MainWindow::show(int showCommand) {
    if (const auto corner = services_.settings.windowPosition()) {
        SetWindowPos(window_, nullptr, corner->x, corner->y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window_, showCommand);
    SetFocus(controls_.compute);
    // The focus frame shows on 运算 from the first paint, not only once a key has been pressed.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    UpdateWindow(window_);
}

int MainWindow::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window_, menus_.shortcuts, &message)) {
            continue;
        }
        // Enter presses the button that has the focus; in a field it presses nothing.
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
            (message.hwnd == controls_.compute || message.hwnd == controls_.exit)) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
            continue;
        }
        if (IsDialogMessageW(window_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            created(window_);
            return 0;
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_CTLCOLOREDIT:
            return fieldColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLORSTATIC:
            // The read-only result fields ask here, not as edits; the captions keep the face.
            if (fieldIndexOf(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) >= 0) {
                return fieldColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            }
            break;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            layOut(HIWORD(wParam));
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ACTIVATE:
            // The focus comes back to the control that had it, as in a dialog.
            if (LOWORD(wParam) == WA_INACTIVE) {
                lastFocus_ = GetFocus();
            } else if (lastFocus_ != nullptr && IsChild(window_, lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_PAINT:
            if (!painted_) {
                const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
                painted_ = true;
                if (services_.afterFirstPaint) {
                    services_.afterFirstPaint(window_);
                }
                return result;
            }
            break;
        case WM_CLOSE:
            exitProgram();
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::created(HWND window) {
    controls_ = createFormControls(window, hydraulicsFormDescription());
    fields_ = std::make_unique<EditFieldArray>(controls_.fields);
    tooltips_ = std::make_unique<FieldTooltips>(window);
    for (int i = 0; i < kFieldCount; ++i) {
        tooltips_->add(controls_.fields[static_cast<std::size_t>(i)], fieldToolTip(i));
    }
    for (int i = 0; i < kInputFieldCount; ++i) {
        SetWindowSubclass(controls_.fields[static_cast<std::size_t>(i)],
                          &MainWindow::inputFieldProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    fillRecentFiles(menus_, services_.settings.recentFiles());
    dpi_ = static_cast<int>(GetDpiForWindow(window));
    layOut(dpi_);
    sizeForDpi(dpi_);
}

void MainWindow::layOut(int dpi) {
    dpi_ = dpi;
    HFONT font = services_.font.at(dpi);
    layOutFormControls(controls_, dpi, font);
    tooltips_->setFont(font);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::sizeForDpi(int dpi) {
    const FormDescription& form = hydraulicsFormDescription();
    RECT frame{0, 0, twipsToPixelsAt(form.clientWidth, dpi),
               twipsToPixelsAt(form.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, static_cast<UINT>(dpi));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes from the client area: grow by that.
    RECT client;
    GetClientRect(window_, &client);
    const int missing = twipsToPixelsAt(form.clientHeight, dpi) - client.bottom;
    if (missing > 0) {
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::command(int id, int notification, HWND control) {
    if (const int field = fieldIndexOf(id); field >= 0 && control != nullptr) {
        if (notification == EN_CHANGE && field < kInputFieldCount) {
            inputEdited(field);
        }
        return;
    }
    if (id >= kFirstRecentFileCommand &&
        id < kFirstRecentFileCommand + static_cast<int>(kMostRecentFiles)) {
        openRecentFile(static_cast<std::size_t>(id - kFirstRecentFileCommand));
        return;
    }
    switch (id) {
        case kComputeButtonId:
            compute();
            break;
        case kExitButtonId:
        case kExitCommand:
            exitProgram();
            break;
        case kNewCaseCommand:
            newCase();
            break;
        case kOpenCaseCommand:
            openCaseChosen();
            break;
        case kSaveCaseCommand:
            saveCase(false);
            break;
        case kSaveCaseAsCommand:
            saveCase(true);
            break;
        case kExportResultsCommand:
            exportResults();
            break;
        case kUndoCommand:
            undo();
            break;
        case kCopyResultsCommand:
            copyResults();
            break;
        case kPasteCaseCommand:
            pasteCase();
            break;
        case kGuideCommand:
            if (guide_ == nullptr) {
                guide_ = std::make_unique<GuideWindow>(services_.instance, window_);
            }
            guide_->show();
            break;
        case kAboutCommand:
            showAbout();
            break;
        default:
            break;  // IDOK and IDCANCEL, which Enter and Esc in a field send: nothing
    }
}

LRESULT MainWindow::fieldColours(HDC device, HWND field) {
    const int index = fieldIndexOf(GetDlgCtrlID(field));
    SetBkColor(device, GetSysColor(COLOR_WINDOW));
    if (index >= 0 && index < kInputFieldCount && marked_[static_cast<std::size_t>(index)]) {
        SetBkColor(device, kPartlyReadBackground);
        return reinterpret_cast<LRESULT>(markBrush_);
    }
    if (index >= kFirstResultField && record_.stale()) {
        SetTextColor(device, GetSysColor(COLOR_GRAYTEXT));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void MainWindow::compute() {
    const bool wasStale = record_.stale();
    const ComputeOutcome outcome = runComputeAction(*fields_, state_, record_);
    markPartlyRead(outcome.partlyRead);
    if (outcome.fault) {
        // The command wrote nothing; the user's figures stay for correcting.
        reportFault(*outcome.fault);
        return;
    }
    if (wasStale) {
        showStaleness();
    }
}

void MainWindow::reportFault(const CalculationFault& fault) {
    const std::wstring text =
        toWide(faultReportPlainText(fault, faultLocation(fault.quantity(), *fields_)));
    MessageBoxW(window_, text.c_str(), caption().c_str(), MB_OK | MB_ICONERROR);
}

void MainWindow::markPartlyRead(
    const std::array<std::optional<std::string>, kInputFieldCount>& notes) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto& note = notes[static_cast<std::size_t>(i)];
        HWND field = controls_.fields[static_cast<std::size_t>(i)];
        marked_[static_cast<std::size_t>(i)] = note.has_value();
        tooltips_->change(field, note ? withNote(i, *note) : fieldToolTip(i));
        InvalidateRect(field, nullptr, TRUE);
    }
}

void MainWindow::inputEdited(int index) {
    auto& mark = marked_[static_cast<std::size_t>(index)];
    if (mark) {
        mark = false;
        HWND field = controls_.fields[static_cast<std::size_t>(index)];
        tooltips_->change(field, fieldToolTip(index));
        InvalidateRect(field, nullptr, TRUE);
    }
    if (record_.inputsAre(inputTexts())) {
        showStaleness();
    }
    if (document_.inPlay()) {
        updateTitle();
    }
}

void MainWindow::showStaleness() {
    const bool stale = record_.stale();
    for (int i = kFirstResultField; i < kFieldCount; ++i) {
        HWND field = controls_.fields[static_cast<std::size_t>(i)];
        tooltips_->change(field, stale ? withNote(i, kStaleResultNote) : fieldToolTip(i));
        InvalidateRect(field, nullptr, TRUE);
    }
}

void MainWindow::replaceInputs(const InputTexts& texts) {
    const InputTexts before = inputTexts();
    for (int i = 0; i < kInputFieldCount; ++i) {
        const std::string& text = texts[static_cast<std::size_t>(i)];
        if (before[static_cast<std::size_t>(i)] != text) {
            replaceTextAsEdit(controls_.fields[static_cast<std::size_t>(i)], toWide(text));
        }
    }
    groupEdits_.record(before, inputTexts());
}

void MainWindow::undo() {
    if (const std::optional<GroupEdit> step = groupEdits_.takeBack(inputTexts())) {
        for (const int index : step->changed) {
            replaceTextAsEdit(controls_.fields[static_cast<std::size_t>(index)],
                              toWide(step->before[static_cast<std::size_t>(index)]));
        }
        return;
    }
    // Nothing typed since a whole case came in is taken back by the field itself.
    HWND focused = GetFocus();
    const int index = fieldIndexOf(GetDlgCtrlID(focused));
    if (index >= 0 && index < kInputFieldCount) {
        SendMessageW(focused, EM_UNDO, 0, 0);
    }
}

LRESULT CALLBACK MainWindow::inputFieldProcedure(HWND field, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR owner) {
    // A paste of several cells fills this field and the ones after it; a single cell pastes as
    // usual, without the line break a copied cell ends in.
    if (message == WM_PASTE) {
        auto* self = reinterpret_cast<MainWindow*>(owner);
        const auto text = clipboardText(self->window_);
        if (text && holdsCellSeparator(*text)) {
            const std::vector<std::string> cells = pastedCells(*text);
            if (cells.size() == 1) {
                const std::wstring cell = toWide(cells.front());
                SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(cell.c_str()));
            } else {
                self->pasteCells(fieldIndexOf(GetDlgCtrlID(field)), *text);
            }
            return 0;
        }
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

void MainWindow::pasteCells(int first, const std::string& text) {
    const PastePlan plan = planPaste(text, first, kInputFieldCount);
    InputTexts texts = inputTexts();
    for (std::size_t i = 0; i < plan.cells.size(); ++i) {
        texts[static_cast<std::size_t>(plan.first) + i] = plan.cells[i];
    }
    replaceInputs(texts);
    if (plan.leftOut > 0) {
        // A balloon by the last field, which goes by itself and blocks no click.
        const std::wstring note = toWide(leftOutNote(plan));
        EDITBALLOONTIP balloon{sizeof balloon, caption().c_str(), note.c_str(), TTI_INFO};
        SendMessageW(controls_.fields[kInputFieldCount - 1], EM_SHOWBALLOONTIP, 0,
                     reinterpret_cast<LPARAM>(&balloon));
    }
}

void MainWindow::pasteCase() {
    if (const auto text = clipboardText(window_)) {
        pasteCells(0, *text);
    }
}

bool MainWindow::computeUnlessCurrent() {
    if (!record_.empty() && !record_.stale()) {
        return true;
    }
    compute();
    return !record_.empty() && !record_.stale();
}

void MainWindow::copyResults() {
    if (computeUnlessCurrent()) {
        setClipboardText(window_, tabSeparatedText(record_.table()));
    }
}

void MainWindow::openCase(const std::wstring& path) {
    const CaseFileReading contents = readCaseFile(path);
    if (!contents.problem.empty()) {
        const std::wstring text = L"无法打开算例“" + path + L"”。\n" + toWide(contents.problem);
        MessageBoxW(window_, text.c_str(), caption().c_str(), MB_OK | MB_ICONWARNING);
        forgetRecentFile(path);
        return;
    }
    const std::size_t caseCount = contents.table.rowCount();
    std::size_t chosen = 0;
    if (caseCount > 1) {
        const auto choice =
            chooseCase(services_.instance, window_, contents.table, services_.font.at(dpi_), dpi_);
        if (!choice) {
            return;
        }
        chosen = *choice;
    }
    replaceInputs(caseTexts(contents.table, chosen));
    document_.opened(toUtf8(path), chosen, caseCount, inputTexts());
    rememberRecentFile(path);
    updateTitle();
}

bool MainWindow::mayLetGo() {
    return mayLetInputsGo(
        document_, [this] { return inputTexts(); },
        [this](const UnsavedQuestion& question) {
            return askToSaveChanges(window_, question, caption());
        },
        [this] { saveCase(false); });
}

void MainWindow::newCase() {
    if (!mayLetGo()) {
        return;
    }
    InputTexts defaults;
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        defaults[i] = kInputQuantities[i].defaultText;
    }
    replaceInputs(defaults);
    document_.closed();
    updateTitle();
}

void MainWindow::openCaseChosen() {
    if (!mayLetGo()) {
        return;
    }
    const std::wstring path = fileToOpen(window_, L"打开算例", services_.settings.lastFolder());
    if (!path.empty()) {
        services_.settings.rememberFolder(folderOf(path));
        openCase(path);
    }
}

void MainWindow::saveCase(bool askForName) {
    const auto target = document_.saveTarget();
    std::wstring path = target ? toWide(*target) : std::wstring();
    if (askForName || path.empty()) {
        // As the Qt window: never a file of several cases, which one case would overwrite.
        const std::wstring proposed =
            target ? toWide(*target) : services_.settings.lastFolder() + L"\\算例.csv";
        path = fileToSave(window_, L"另存为", proposed);
        if (path.empty()) {
            return;
        }
        path = toWide(withCaseFileExtension(toUtf8(path)));
        services_.settings.rememberFolder(folderOf(path));
    }
    const InputTexts texts = inputTexts();
    if (const std::string problem = writeCaseFile(path, texts); !problem.empty()) {
        MessageBoxW(window_, toWide(problem).c_str(), caption().c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    document_.saved(toUtf8(path), texts);
    rememberRecentFile(path);
    updateTitle();
}

void MainWindow::exportResults() {
    if (!computeUnlessCurrent()) {
        return;
    }
    std::wstring path =
        fileToSave(window_, L"导出结果", services_.settings.lastFolder() + L"\\结果.csv");
    if (path.empty()) {
        return;
    }
    path = toWide(withCaseFileExtension(toUtf8(path)));
    services_.settings.rememberFolder(folderOf(path));
    if (const std::string problem = writeResultFile(path, record_.table()); !problem.empty()) {
        MessageBoxW(window_, toWide(problem).c_str(), caption().c_str(), MB_OK | MB_ICONWARNING);
    }
}

void MainWindow::openRecentFile(std::size_t index) {
    const std::vector<std::wstring> files = services_.settings.recentFiles();
    if (index < files.size() && mayLetGo()) {
        openCase(files[index]);
    }
}

void MainWindow::rememberRecentFile(const std::wstring& path) {
    std::vector<std::string> files;
    for (const std::wstring& file : services_.settings.recentFiles()) {
        files.push_back(toUtf8(file));
    }
    std::vector<std::wstring> recent;
    for (const std::string& file : withRecentFile(files, toUtf8(path))) {
        recent.push_back(toWide(file));
    }
    services_.settings.rememberRecentFiles(recent);
    fillRecentFiles(menus_, recent);
}

void MainWindow::forgetRecentFile(const std::wstring& path) {
    std::vector<std::wstring> recent = services_.settings.recentFiles();
    std::erase(recent, path);
    services_.settings.rememberRecentFiles(recent);
    fillRecentFiles(menus_, recent);
}

void MainWindow::updateTitle() {
    const std::string_view mark = document_.changed(inputTexts()) ? "*" : "";
    SetWindowTextW(window_,
                   toWide(document_.title(hydraulicsFormDescription().caption, mark)).c_str());
}

InputTexts MainWindow::inputTexts() const {
    return readInputTexts(*fields_);
}

void MainWindow::showAbout() {
    showAboutBox(services_.instance, window_);
}

bool MainWindow::exitProgram() {
    if (!mayLetGo()) {
        return false;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window_, &placement)) {
        services_.settings.rememberWindowPosition(
            {placement.rcNormalPosition.left, placement.rcNormalPosition.top});
    }
    DestroyWindow(window_);
    return true;
}

}  // namespace bithydraulics::win32
