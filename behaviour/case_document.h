#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/quantities.h"

// The case file as the window's document: which file the inputs came from or went to, whether
// they were changed since, what the title says, where saving goes without asking, and the list of
// recent files. Texts and paths are UTF-8.
namespace bithydraulics {

// The eleven input texts, in field order.
using InputTexts = std::array<std::string, kInputCount>;

// How many files the recent-files list keeps.
inline constexpr std::size_t kMostRecentFiles = 5;

// The extension a case file name gets when it is typed without one.
inline constexpr std::string_view kCaseFileExtension = ".csv";

class CaseDocument {
  public:
    // The inputs are `texts`, read from case `caseNumber` (0-based) of the file at `path`, which
    // holds `caseCount` cases.
    void opened(std::string path, std::size_t caseNumber, std::size_t caseCount,
                const InputTexts& texts);
    // The inputs `texts` were written, as the file's one case, to `path`.
    void saved(std::string path, const InputTexts& texts);
    // No case file any more (新建).
    void closed();

    // Whether a case file is in play: one was opened or saved and not closed since.
    bool inPlay() const { return !path_.empty(); }
    // Whether `current` differs from the inputs as the file holds them.
    bool changed(const InputTexts& current) const { return inPlay() && current != texts_; }
    // Whether closing (or opening another case) must first ask to save `current`.
    bool mustAsk(const InputTexts& current) const { return changed(current); }

    // Where 保存 writes without asking: the file in play when it holds this one case. A file of
    // several cases is not overwritten by one of them; saving it asks for a name.
    std::optional<std::string> saveTarget() const;
    // The path of the file in play; empty if none.
    const std::string& path() const { return path_; }

    // The window's title: the program's own with no case file in play; else the file's name (and
    // which of its cases), then `mark` where the unsaved mark goes, then the program's title:
    // "算例.csv[*] - 水利参数", "井段.csv（第 2 个算例）[*] - 水利参数".
    std::string title(std::string_view programTitle, std::string_view mark) const;

  private:
    std::string path_;
    std::optional<std::size_t> caseNumber_;  // when the file holds several cases
    InputTexts texts_;
};

// The file name at the end of `path` (after the last '/' or '\').
std::string_view fileNameOf(std::string_view path);

// `path` with the case file extension added when its file name has no extension.
std::string withCaseFileExtension(std::string path);

// `recent` with `path` moved (or added) to its front, at most kMostRecentFiles long.
std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path);

}  // namespace bithydraulics
