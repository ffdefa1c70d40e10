#include "win32/settings_store.h"

namespace bithydraulics::win32 {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\bit-hydraulics\\bit-hydraulics";
constexpr std::size_t kMostRecentFiles = 5;

std::wstring recentName(std::size_t i) {
    return L"RecentFile" + std::to_wstring(i + 1);
}

}  // namespace

SettingsStore::SettingsStore(bool keep) {
    if (keep && RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
    }
}

SettingsStore::~SettingsStore() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
    }
}

std::optional<std::wstring> SettingsStore::text(const wchar_t* name) const {
    if (key_ == nullptr) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

void SettingsStore::setText(const wchar_t* name, const std::wstring& value) {
    if (key_ != nullptr) {
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
}

std::optional<int> SettingsStore::number(const wchar_t* name) const {
    DWORD value = 0;
    DWORD bytes = sizeof value;
    DWORD type = 0;
    if (key_ == nullptr ||
        RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

void SettingsStore::setNumber(const wchar_t* name, int value) {
    if (key_ != nullptr) {
        const auto stored = static_cast<DWORD>(value);
        RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                       sizeof stored);
    }
}

std::optional<POINT> SettingsStore::windowPosition() const {
    const auto left = number(L"WindowLeft");
    const auto top = number(L"WindowTop");
    if (!left || !top) {
        return std::nullopt;
    }
    const POINT corner{*left, *top};
    // A monitor unplugged since would leave the window out of reach.
    if (MonitorFromPoint(corner, MONITOR_DEFAULTTONULL) == nullptr) {
        return std::nullopt;
    }
    return corner;
}

void SettingsStore::rememberWindowPosition(POINT corner) {
    setNumber(L"WindowLeft", corner.x);
    setNumber(L"WindowTop", corner.y);
}

std::wstring SettingsStore::lastFolder() const {
    return text(L"LastFolder").value_or(std::wstring());
}

void SettingsStore::rememberFolder(const std::wstring& folder) {
    setText(L"LastFolder", folder);
}

std::vector<std::wstring> SettingsStore::recentFiles() const {
    std::vector<std::wstring> files;
    for (std::size_t i = 0; i < kMostRecentFiles; ++i) {
        if (auto file = text(recentName(i).c_str()); file && !file->empty()) {
            files.push_back(std::move(*file));
        }
    }
    return files;
}

void SettingsStore::rememberRecentFiles(const std::vector<std::wstring>& files) {
    for (std::size_t i = 0; i < kMostRecentFiles; ++i) {
        setText(recentName(i).c_str(), i < files.size() ? files[i] : std::wstring());
    }
}

}  // namespace bithydraulics::win32
