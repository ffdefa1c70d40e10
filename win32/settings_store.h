#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace bithydraulics::win32 {

// What the window keeps between runs, in the registry under
// HKEY_CURRENT_USER\Software\bit-hydraulics\bit-hydraulics: where the window stood, the folder of
// the last case file and the recent case files. The figures are not kept: every run opens with
// the defaults.
class SettingsStore {
  public:
    // Keeps nothing when `keep` is false (the tests' runs, and a key that cannot be opened).
    explicit SettingsStore(bool keep = true);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Where the window's top left corner last stood, if that is still on a monitor.
    std::optional<POINT> windowPosition() const;
    void rememberWindowPosition(POINT corner);

    // The folder last used, or empty.
    std::wstring lastFolder() const;
    void rememberFolder(const std::wstring& folder);

    // The case files last opened or saved, the latest first.
    std::vector<std::wstring> recentFiles() const;
    void rememberRecentFiles(const std::vector<std::wstring>& files);

  private:
    std::optional<std::wstring> text(const wchar_t* name) const;
    void setText(const wchar_t* name, const std::wstring& value);
    std::optional<int> number(const wchar_t* name) const;
    void setNumber(const wchar_t* name, int value);

    HKEY key_ = nullptr;
};

}  // namespace bithydraulics::win32
