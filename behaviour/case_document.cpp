#include "behaviour/case_document.h"

#include <algorithm>

namespace bithydraulics {

void CaseDocument::opened(std::string path) {
    path_ = std::move(path);
    modified_ = false;
}

std::string CaseDocument::title(std::string_view caption) const {
    if (path_.empty()) {
        return std::string(caption);
    }
    std::string text(fileNameOf(path_));
    if (modified_) {
        text += '*';
    }
    text += " - ";
    text += caption;
    return text;
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string withCaseExtension(std::string path) {
    if (fileNameOf(path).find('.') == std::string_view::npos) {
        path += ".csv";
    }
    return path;
}

std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& path,
                                        bool (*sameFile)(std::string_view, std::string_view)) {
    std::erase_if(files, [&](const std::string& file) { return sameFile(file, path); });
    files.insert(files.begin(), path);
    if (files.size() > kMostRecentFiles) {
        files.resize(kMostRecentFiles);
    }
    return files;
}

std::string closeQuestion(const CaseDocument& document) {
    std::string text(kCloseQuestion);
    text.replace(text.find("%1"), 2, fileNameOf(document.path()));
    return text;
}

}  // namespace bithydraulics
