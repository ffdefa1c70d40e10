// Drives bit-hydraulics.exe from outside, as a user and a screen reader would meet it, through
// window messages: starts it, checks its layout against the window description, its focus and
// tab order, types the cases that window_cases wrote (the Linux build's texts) and compares what
// it shows, reports of every fault kind with the program running on, Enter, pasting a column and
// a row and taking each back whole, the read-only results, copying the results, 新建, a case file
// opened (from the command line, the dialog and the recent files), saved, saved under a name and
// failing to save, the close question and 退出. Prints one line a check and ends with status 1 if
// any failed. Usage: window_driver PROGRAM CASES FOLDER DPI [layout]
//   CASES: window_cases' output; FOLDER: a Windows path for the case files it writes; DPI: the
//   density the window must be laid out for; "layout" checks only the layout and quits.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "behaviour/form_description.h"
#include "behaviour/form_scale.h"
#include "behaviour/result_record.h"
#include "behaviour/unsaved_changes.h"
#include "calc/compute_command.h"
#include "platform/version.h"
#include "win32/control_ids.h"
#include "win32/wide_text.h"

namespace {

using namespace bithydraulics;
using namespace bithydraulics::win32;
using namespace std::chrono_literals;

int failures = 0;

void check(bool passed, const std::string& name, const std::string& detail = {}) {
    const bool explain = !passed && !detail.empty();
    std::printf("%s %s%s%s\n", passed ? "ok  " : "FAIL", name.c_str(), explain ? ": " : "",
                explain ? detail.c_str() : "");
    std::fflush(stdout);
    if (!passed) {
        ++failures;
    }
}

// Waits up to `limit` for `done`.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 5000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::string utf8TextOf(HWND window) {
    return toUtf8(textOf(window));
}

// Sends a menu command and waits for it to finish, or gives up after a few seconds (a command that
// unexpectedly shows a dialog must not hang the test).
void runCommand(HWND window, int command) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_COMMAND, static_cast<WPARAM>(command), 0, SMTO_NORMAL, 5000,
                        &result);
}

void setText(HWND window, const std::string& text) {
    const std::wstring wide = toWide(text);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[++i] == 'n' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, separator)) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == separator) {
        cells.emplace_back();
    }
    return cells;
}

struct Case {
    std::string name;
    std::vector<std::string> inputs;
    bool faults = false;
    std::vector<std::string> results;  // or the fault report's text
};

std::vector<Case> readCases(const std::string& path) {
    std::vector<Case> cases;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> cells = split(line, '\t');
        if (cells.size() < 1 + kInputFieldCount + 2) {
            continue;
        }
        Case c;
        c.name = cells[0];
        c.inputs.assign(cells.begin() + 1, cells.begin() + 1 + kInputFieldCount);
        c.faults = cells[1 + kInputFieldCount] == "fault";
        for (auto cell = cells.begin() + 2 + kInputFieldCount; cell != cells.end(); ++cell) {
            c.results.push_back(c.faults ? unescaped(*cell) : *cell);
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

void setClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) {
        return;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(data), text.c_str(), bytes);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

std::wstring clipboard() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// The running program and its window.
class Program {
  public:
    Program(const std::wstring& path, const std::wstring& argument = {}) {
        std::wstring commandLine = L"\"" + path + L"\"";
        if (!argument.empty()) {
            commandLine += L" \"" + argument + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process_)) {
            return;
        }
        waitFor([this] { return (window_ = findWindow()) != nullptr; }, 20000ms);
        thread_ = GetWindowThreadProcessId(window_, nullptr);
    }
    ~Program() {
        if (running()) {
            TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    HWND field(int index) const { return control(kFirstFieldId + index); }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    bool ended(DWORD& status) const {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
            return false;
        }
        GetExitCodeProcess(process_.hProcess, &status);
        return true;
    }

    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
    }

    void press(HWND target, WPARAM key) const {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }

    // Presses Tab and waits for the focus to move; the new focus.
    HWND tab() const {
        HWND before = focus();
        press(before, VK_TAB);
        waitFor([&] { return focus() != before; }, 2000ms);
        return focus();
    }

    std::vector<std::string> results() const {
        std::vector<std::string> texts;
        for (int i = kFirstResultField; i < kFieldCount; ++i) {
            texts.push_back(utf8TextOf(field(i)));
        }
        return texts;
    }

    // A dialog the program shows over its window whose class is `windowClass`.
    HWND dialog() const {
        struct Search {
            HWND owner;
            HWND found;
        } search{window_, nullptr};
        EnumThreadWindows(
            thread_,
            [](HWND candidate, LPARAM lParam) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lParam);
                wchar_t name[64];
                GetClassNameW(candidate, name, 64);
                if (GetWindow(candidate, GW_OWNER) == s->owner && IsWindowVisible(candidate) &&
                    std::wstring(name) == L"#32770") {
                    s->found = candidate;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND waitForDialog() const {
        HWND found = nullptr;
        waitFor([&] { return (found = dialog()) != nullptr; });
        return found;
    }

  private:
    HWND findWindow() const {
        for (HWND candidate = FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr);
             candidate != nullptr;
             candidate = FindWindowExW(nullptr, candidate, kMainWindowClass, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(candidate, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(candidate)) {
                return candidate;
            }
        }
        return nullptr;
    }

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    DWORD thread_ = 0;
};

// The longest static text of a dialog: a message box's message.
std::string dialogMessage(HWND dialog) {
    std::string longest;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        if (CompareStringOrdinal(name, -1, L"Static", -1, TRUE) == CSTR_EQUAL) {
            const std::string text = utf8TextOf(child);
            longest = text.size() > longest.size() ? text : longest;
        }
    }
    return longest;
}

int controlId(const ControlDescription& control) {
    switch (control.kind) {
        case ControlKind::TextField:
            return kFirstFieldId + control.index;
        case ControlKind::Caption:
            return kFirstCaptionId + control.index;
        case ControlKind::Button:
            return control.role == ControlRole::Compute ? kComputeButtonId : kExitButtonId;
    }
    return 0;
}

std::string describe(const PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

// What the program carries inside it: its version record, icon and manifest.
void checkResources(const std::wstring& path) {
    DWORD ignored = 0;
    std::vector<char> version(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    wchar_t* fileVersion = nullptr;
    UINT length = 0;
    const bool hasVersion =
        !version.empty() &&
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()) &&
        VerQueryValueW(version.data(), L"\\StringFileInfo\\080404B0\\FileVersion",
                       reinterpret_cast<void**>(&fileVersion), &length);
    check(hasVersion && toUtf8(fileVersion) == kDisplayVersion,
          "the version record in Chinese (PRC) gives the version");

    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC manifest = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    const std::string_view manifestText(
        manifest != nullptr
            ? static_cast<const char*>(LockResource(LoadResource(program, manifest)))
            : "",
        manifest != nullptr ? SizeofResource(program, manifest) : 0);
    check(FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)) != nullptr,
          "the icon group");
    check(manifestText.find("PerMonitorV2") != std::string_view::npos,
          "the manifest declares per-monitor DPI awareness v2");
    FreeLibrary(program);
}

void checkLayout(const Program& program, int dpi) {
    const FormDescription& form = hydraulicsFormDescription();
    RECT client;
    GetClientRect(program.window(), &client);
    check(client.right == twipsToPixelsAt(form.clientWidth, dpi) &&
              client.bottom == twipsToPixelsAt(form.clientHeight, dpi),
          "client area from the twips at " + std::to_string(dpi) + " dpi",
          std::to_string(client.right) + "x" + std::to_string(client.bottom));
    int wrong = 0;
    std::string firstWrong;
    for (const ControlDescription& control : form.controls) {
        HWND window = program.control(controlId(control));
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, program.window(), reinterpret_cast<POINT*>(&rect), 2);
        const PixelRect shown{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        const PixelRect wanted = pixelRectAt(control.bounds, dpi);
        if (window == nullptr || shown != wanted || utf8TextOf(window) != control.text) {
            ++wrong;
            if (firstWrong.empty()) {
                firstWrong = std::string(control.name) + "(" + std::to_string(control.index) +
                             ") at " + describe(shown) + ", not " + describe(wanted);
            }
        }
    }
    check(wrong == 0,
          "every control's rectangle and text from the twips at " + std::to_string(dpi) + " dpi",
          std::to_string(wrong) + " differ, first " + firstWrong);
    check(utf8TextOf(program.window()) == form.caption, "the window's title");
}

void checkFocus(const Program& program) {
    const FormDescription& form = hydraulicsFormDescription();
    check(program.focus() == program.control(kComputeButtonId), "the focus starts on 运算");

    // Tab goes round the controls by their focus order, and back to the first.
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& control : form.controls) {
        if (control.focusOrder != kNoFocus) {
            order.push_back(&control);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->focusOrder < b->focusOrder; });
    std::string wrong;
    for (std::size_t i = 1; i <= order.size(); ++i) {
        const ControlDescription& next = *order[i % order.size()];
        if (program.tab() != program.control(controlId(next))) {
            wrong.append(" ").append(next.name).append("(");
            wrong.append(std::to_string(next.index)).append(")");
        }
    }
    check(wrong.empty(), "Tab follows the focus order round to 运算", "missed" + wrong);

    // A screen reader names a field by the caption just before it.
    int unlabelled = 0;
    for (const ControlDescription& caption : form.controls) {
        if (caption.kind == ControlKind::Caption && caption.captionOf != kNoIndex &&
            GetWindow(program.field(caption.captionOf), GW_HWNDPREV) !=
                program.control(controlId(caption))) {
            ++unlabelled;
        }
    }
    check(unlabelled == 0, "each field's caption stands just before it",
          std::to_string(unlabelled) + " fields without");
}

void type(const Program& program, const Case& c) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        setText(program.field(i), c.inputs[static_cast<std::size_t>(i)]);
    }
}

void checkCases(const Program& program, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        type(program, c);
        const std::vector<std::string> before = program.results();
        PostMessageW(program.control(kComputeButtonId), BM_CLICK, 0, 0);
        if (!c.faults) {
            const bool shown = waitFor([&] { return program.results() == c.results; });
            check(shown, "运算 on " + c.name + " shows the Linux build's texts",
                  shown ? "" : program.results().front() + " ... not " + c.results.front());
            continue;
        }
        HWND report = program.waitForDialog();
        const std::string message = report != nullptr ? dialogMessage(report) : "";
        check(message == c.results.front(), "运算 on " + c.name + " reports the fault",
              "\"" + message + "\"");
        if (report != nullptr) {
            PostMessageW(report, WM_COMMAND, IDOK, 0);
            waitFor([&] { return !IsWindow(report); });
        }
        check(program.running() && program.results() == before,
              "after the report of " + c.name + " the program runs on, results unchanged");
    }
}

// Tabs until `target` has the focus; false if it never comes.
bool focusOn(const Program& program, HWND target) {
    for (int i = 0; i < 30 && program.focus() != target; ++i) {
        program.tab();
    }
    return program.focus() == target;
}

void checkEnter(const Program& program, const Case& first, const Case& second) {
    type(program, first);
    // Enter in a field presses nothing: the results stay until a button is pressed. The Tab
    // after it is handled after it, and tells when it has been.
    HWND field = program.field(0);
    const std::vector<std::string> before = program.results();
    const bool focused = focusOn(program, field);
    program.press(field, VK_RETURN);
    program.tab();
    check(focused && program.running() && program.results() == before,
          "Enter in a field presses nothing");

    type(program, second);
    focusOn(program, program.control(kComputeButtonId));
    program.press(program.control(kComputeButtonId), VK_RETURN);
    check(waitFor([&] { return program.results() == second.results; }),
          "Enter on the focused 运算 computes");
}

std::vector<std::string> inputsOf(const Program& program) {
    std::vector<std::string> texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts.push_back(utf8TextOf(program.field(i)));
    }
    return texts;
}

void checkPaste(const Program& program) {
    setClipboard(L"20\r\n21\r\n0\r\n35\r\n");
    SendMessageW(program.field(0), WM_PASTE, 0, 0);
    const bool filled = utf8TextOf(program.field(0)) == "20" &&
                        utf8TextOf(program.field(1)) == "21" &&
                        utf8TextOf(program.field(2)) == "0" && utf8TextOf(program.field(3)) == "35";
    check(filled, "a pasted column fills the field and those below it",
          utf8TextOf(program.field(0)) + "/" + utf8TextOf(program.field(3)));

    const std::vector<std::string> beforeRow = inputsOf(program);
    setClipboard(L"1.3\t230\t127\t165\t2000\t150\t14\t99\r\n");
    SendMessageW(program.field(4), WM_PASTE, 0, 0);
    check(utf8TextOf(program.field(4)) == "1.3" && utf8TextOf(program.field(10)) == "14",
          "a pasted row fills the fields after, cells beyond the last left out");

    const std::vector<std::string> beforeCase = inputsOf(program);
    setClipboard(L"16\t17\r\n");
    runCommand(program.window(), kPasteCaseCommand);
    check(utf8TextOf(program.field(0)) == "16" && utf8TextOf(program.field(1)) == "17",
          "编辑 → 粘贴算例 fills from the first field");

    // Each paste is one step of 撤销, taking back every field it filled, the latest first.
    runCommand(program.window(), kUndoCommand);
    check(inputsOf(program) == beforeCase, "编辑 → 撤销 takes back the pasted case whole");
    runCommand(program.window(), kUndoCommand);
    check(inputsOf(program) == beforeRow, "and then the pasted row whole");
}

// The result fields are selected and copied but never typed into.
void checkResultFields(const Program& program) {
    bool readOnly = true;
    for (int i = 0; i < kFieldCount; ++i) {
        const bool flagged = (GetWindowLongW(program.field(i), GWL_STYLE) & ES_READONLY) != 0;
        readOnly = readOnly && flagged == (i >= kFirstResultField);
    }
    check(readOnly, "the result fields, and only they, are read-only");

    HWND result = program.field(kFirstResultField);
    const std::string shown = utf8TextOf(result);
    SendMessageW(result, WM_CHAR, L'7', 1);
    setClipboard(L"");
    SendMessageW(result, EM_SETSEL, 0, -1);
    SendMessageW(result, WM_COPY, 0, 0);
    check(utf8TextOf(result) == shown && toUtf8(clipboard()) == shown,
          "a result field takes no typing and copies its text", toUtf8(clipboard()));
}

// The table the program should copy: that of the results it shows, from the inputs it shows.
std::string shownTable(const Program& program) {
    InputTexts inputs;
    for (int i = 0; i < kInputFieldCount; ++i) {
        inputs[static_cast<std::size_t>(i)] = utf8TextOf(program.field(i));
    }
    ResultTexts results;
    for (int i = kFirstResultField; i < kFieldCount; ++i) {
        results[static_cast<std::size_t>(i - kFirstResultField)] = utf8TextOf(program.field(i));
    }
    ResultRecord record;
    record.computed(inputs, results);
    return tabSeparatedText(record.table());
}

// From inputs edited since the last 运算: 复制结果 computes first, then copies.
void checkCopy(const Program& program, const Case& good) {
    type(program, good);
    setClipboard(L"");
    runCommand(program.window(), kCopyResultsCommand);
    check(program.results() == good.results, "复制结果 of changed inputs computes them first");
    std::wstring wanted;
    for (const wchar_t c : toWide(shownTable(program))) {
        wanted += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    }
    const std::wstring copied = clipboard();
    check(copied == wanted && copied.find(L"钻头压降\t") != std::wstring::npos,
          "编辑 → 复制结果 puts the inputs and results on the clipboard, tab-separated",
          toUtf8(copied.substr(0, 60)));
}

// Runs `command` (打开算例, 另存为), types `path` as the file's name in its dialog and accepts.
void chooseFile(const Program& program, int command, const std::filesystem::path& path) {
    PostMessageW(program.window(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    HWND dialog = program.waitForDialog();
    HWND name = GetDlgItem(dialog, 0x47C);  // the name's combo box (cmb13)
    HWND edit = name != nullptr ? FindWindowExW(name, nullptr, L"Edit", nullptr) : nullptr;
    if (edit == nullptr) {
        edit = GetDlgItem(dialog, 0x480);  // the name's edit (edt1)
    }
    setText(edit != nullptr ? edit : name, toUtf8(path.wstring()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// 新建 brings back the default case, and 撤销 the case before it, whole.
void checkNewCase(const Program& program) {
    const std::vector<std::string> before = inputsOf(program);
    runCommand(program.window(), kNewCaseCommand);
    std::vector<std::string> defaults;
    for (const InputQuantity& input : kInputQuantities) {
        defaults.emplace_back(input.defaultText);
    }
    check(inputsOf(program) == defaults && utf8TextOf(program.window()) == "水利参数",
          "文件 → 新建 brings back the default case");
    runCommand(program.window(), kUndoCommand);
    check(inputsOf(program) == before, "编辑 → 撤销 takes 新建 back whole");
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void checkCaseFiles(const std::wstring& programPath, const std::filesystem::path& folder) {
    const std::filesystem::path opened = folder / L"井1.csv";
    {
        std::ofstream out(opened, std::ios::binary);
        out << "flowRate,泵压,mudDensity\r\n32.5,18,1.25\r\n";
    }
    Program program(programPath, opened.wstring());
    check(utf8TextOf(program.field(3)) == "32.5" && utf8TextOf(program.field(10)) == "18" &&
              utf8TextOf(program.field(4)) == "1.25" && utf8TextOf(program.field(0)) == "15",
          "a case file given on the command line opens into the fields");
    check(utf8TextOf(program.window()) == "井1.csv - 水利参数", "the title names the case file",
          utf8TextOf(program.window()));

    setText(program.field(3), "33");
    check(utf8TextOf(program.window()) == "井1.csv* - 水利参数", "an edit marks the title",
          utf8TextOf(program.window()));
    runCommand(program.window(), kSaveCaseCommand);
    const std::string saved = fileText(opened);
    check(saved.find("33") != std::string::npos && saved.find("排量(L/s)") != std::string::npos &&
              utf8TextOf(program.window()) == "井1.csv - 水利参数",
          "文件 → 保存算例 writes the file in play and clears the mark", saved);

    // 另存为: the name typed without an extension gets ".csv".
    chooseFile(program, kSaveCaseAsCommand, folder / L"另存");
    const std::filesystem::path withExtension = folder / L"另存.csv";
    check(waitFor([&] { return std::filesystem::exists(withExtension); }) &&
              fileText(withExtension).find("33") != std::string::npos,
          "文件 → 另存为 writes the named file, adding .csv");
    check(utf8TextOf(program.window()) == "另存.csv - 水利参数", "the title follows the new name",
          utf8TextOf(program.window()));

    // 打开算例 through the dialog, as one step of 撤销.
    const std::filesystem::path second = folder / L"井2.csv";
    {
        std::ofstream out(second, std::ios::binary);
        out << "排量(L/s),井号\r\n28,X-2\r\n";
    }
    chooseFile(program, kOpenCaseCommand, second);
    check(waitFor([&] { return utf8TextOf(program.field(3)) == "28"; }) &&
              utf8TextOf(program.window()) == "井2.csv - 水利参数",
          "文件 → 打开算例 opens the chosen file", utf8TextOf(program.window()));
    runCommand(program.window(), kUndoCommand);
    check(utf8TextOf(program.field(3)) == "33", "编辑 → 撤销 takes the opened case back");
    // The inputs now differ from the file in play: opening the latest file again asks first.
    PostMessageW(program.window(), WM_COMMAND, kFirstRecentFileCommand, 0);
    HWND ask = program.waitForDialog();
    if (ask != nullptr) {
        PostMessageW(ask, WM_COMMAND, 101, 0);  // 不保存
    }
    check(ask != nullptr && waitFor([&] { return utf8TextOf(program.field(3)) == "28"; }),
          "最近的文件 asks about the changed inputs, then opens the latest file again");

    // A save that cannot replace the file (another program holds it) says why, in the window's
    // words, and leaves the old file and the unsaved mark.
    setText(program.field(3), "41");
    const std::string old = fileText(second);
    HANDLE held = CreateFileW(second.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    PostMessageW(program.window(), WM_COMMAND, kSaveCaseCommand, 0);
    HWND failure = program.waitForDialog();
    const std::string said = failure != nullptr ? dialogMessage(failure) : "";
    if (failure != nullptr) {
        PostMessageW(failure, WM_COMMAND, IDOK, 0);
        waitFor([&] { return !IsWindow(failure); });
    }
    CloseHandle(held);
    check(said.find("井2.csv") != std::string::npos && fileText(second) == old &&
              utf8TextOf(program.window()) == "井2.csv* - 水利参数",
          "a failed save names the file, keeps the old one and the mark", said);

    // Closing with a changed case file asks; 不保存 ends the program and keeps the file.
    setText(program.field(3), "40");
    const std::string before = fileText(second);
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    HWND question = program.waitForDialog();
    check(question != nullptr && program.running() &&
              dialogMessage(question) == unsavedQuestion("井2.csv").question,
          "closing with a changed case file asks");
    if (question != nullptr) {
        PostMessageW(question, WM_COMMAND, 101, 0);  // 不保存
    }
    DWORD status = 1;
    check(program.ended(status) && status == 0 && fileText(second) == before,
          "不保存 ends the program and leaves the file as it was");
}

// A file the window cannot open: the problem in the window's words, and the default case stays.
void checkUnreadableFile(const std::wstring& programPath, const std::filesystem::path& folder) {
    const std::filesystem::path bad = folder / L"井号表.csv";
    {
        std::ofstream out(bad, std::ios::binary);
        out << "井号,深度\r\nX-1,2000\r\n";
    }
    Program program(programPath, bad.wstring());
    HWND report = program.waitForDialog();
    const std::string said = report != nullptr ? dialogMessage(report) : "";
    if (report != nullptr) {
        PostMessageW(report, WM_COMMAND, IDOK, 0);
        waitFor([&] { return !IsWindow(report); });
    }
    check(said.find("井号表.csv") != std::string::npos &&
              said.find("表头中没有输入列") != std::string::npos &&
              utf8TextOf(program.window()) == "水利参数" &&
              utf8TextOf(program.field(3)) == std::string(kInputQuantities[3].defaultText),
          "a file without an input column is refused, saying so, and changes nothing", said);
    runCommand(program.window(), kExitCommand);
    DWORD status = 1;
    check(program.ended(status) && status == 0, "文件 → 退出 ends the program");
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: window_driver PROGRAM CASES FOLDER DPI [layout]\n");
        return 2;
    }
    const std::wstring programPath = argv[1];
    const std::vector<Case> cases = readCases(toUtf8(argv[2]));
    const std::filesystem::path folder = argv[3];
    const int dpi = std::stoi(argv[4]);
    const bool layoutOnly = argc > 5 && std::wstring(argv[5]) == L"layout";

    {
        Program program(programPath);
        check(program.window() != nullptr, "the window shows");
        if (program.window() == nullptr) {
            return 1;
        }
        checkLayout(program, dpi);
        if (layoutOnly) {
            PostMessageW(program.window(), WM_COMMAND, kExitCommand, 0);
            DWORD status = 1;
            check(program.ended(status) && status == 0, "文件 → 退出 ends the program");
            return failures == 0 ? 0 : 1;
        }
        checkResources(programPath);
        checkFocus(program);
        check(cases.size() >= 2 && !cases[0].faults, "the cases were read");
        if (cases.size() < 2) {
            return 1;
        }
        checkCases(program, cases);
        checkEnter(program, cases[1], cases[0]);
        checkPaste(program);
        checkResultFields(program);
        checkNewCase(program);
        checkCopy(program, cases[1]);
        PostMessageW(program.control(kExitButtonId), BM_CLICK, 0, 0);
        DWORD status = 1;
        check(program.ended(status) && status == 0, "退出 ends the program");
    }
    checkCaseFiles(programPath, folder);
    checkUnreadableFile(programPath, folder);
    return failures == 0 ? 0 : 1;
}
