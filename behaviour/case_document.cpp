#include "behaviour/case_document.h"

#include <algorithm>

namespace bithydraulics {

void CaseDocument::opened(std::string path, std::size_t caseNumber, std::size_t caseCount,
                          const InputTexts& texts) {
    path_ = std::move(path);
    caseNumber_ = caseCount > 1 ? std::optional(caseNumber) : std::nullopt;
    texts_ = texts;
}

void CaseDocument::saved(std::string path, const InputTexts& texts) {
    path_ = std::move(path);
    caseNumber_.reset();
    texts_ = texts;
}

void CaseDocument::closed() {
    path_.clear();
    caseNumber_.reset();
}

std::optional<std::string> CaseDocument::saveTarget() const {
    if (!inPlay() || caseNumber_) {
        return std::nullopt;
    }
    return path_;
}

std::string CaseDocument::title(std::string_view programTitle, std::string_view mark) const {
    if (!inPlay()) {
        return std::string(programTitle);
    }
    std::string title(fileNameOf(path_));
    if (caseNumber_) {
        title += "（第 " + std::to_string(*caseNumber_ + 1) + " 个算例）";
    }
    title += mark;
    title += " - ";
    title += programTitle;
    return title;
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string withCaseFileExtension(std::string path) {
    const std::string_view name = fileNameOf(path);
    // A leading dot names a hidden file, not an extension.
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        if (!name.empty() && name.back() == '.') {
            path.pop_back();
        }
        path += kCaseFileExtension;
    }
    return path;
}

std::vector<std::string> withRecentFile(std::vector<std::string> recent, const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kMostRecentFiles) {
        recent.resize(kMostRecentFiles);
    }
    return recent;
}

}  // namespace bithydraulics
