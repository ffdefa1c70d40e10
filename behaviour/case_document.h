#pragma once

#include <string>
#include <string_view>
#include <vector>

// The case file in play, as a document: which file the figures came from or went to, whether the
// inputs changed since, the window's title that says both, and the recent files. Paths are
// UTF-8, with either kind of slash.
namespace bithydraulics {

inline constexpr std::size_t kMostRecentFiles = 5;

class CaseDocument {
  public:
    // The file in play, or empty when the figures belong to no file.
    const std::string& path() const { return path_; }
    bool modified() const { return modified_; }

    // The inputs now hold what `path` holds.
    void opened(std::string path);
    void saved(std::string path) { opened(std::move(path)); }
    // An input was edited, or cells pasted into them.
    void inputsChanged() { modified_ = true; }

    // Closing asks 保存 / 不保存 / 取消 only with a file in play whose inputs changed; without a
    // file the program ends at once, as it always has.
    bool asksBeforeClosing() const { return !path_.empty() && modified_; }

    // "算例.csv* - 水利参数": the file's name, "*" when changed; the caption alone without a file.
    std::string title(std::string_view caption) const;

  private:
    std::string path_;
    bool modified_ = false;
};

// The file name at the end of `path`.
std::string_view fileNameOf(std::string_view path);

// `path` with ".csv" added when its file name has no extension.
std::string withCaseExtension(std::string path);

// `files` with `path` put first and any earlier mention of it removed, at most kMostRecentFiles.
// Windows' paths differ in case only as the same file, which `sameFile` decides.
std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& path,
                                        bool (*sameFile)(std::string_view, std::string_view));

// The question closing asks, and its three answers.
inline constexpr std::string_view kCloseQuestion = "算例“%1”已改动。是否保存？";
enum class CloseAnswer { Save, Discard, Cancel };

// The close question with the file's name in it.
std::string closeQuestion(const CaseDocument& document);

}  // namespace bithydraulics
