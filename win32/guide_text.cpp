#include "win32/guide_text.h"

#include "win32/wide_text.h"

namespace bithydraulics::win32 {
namespace {

std::string withoutMarks(std::string_view line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.substr(i, 2) == "**") {
            ++i;
        } else if (line[i] != '`') {
            text += line[i];
        }
    }
    return text;
}

// "| a | b |" as "a\tb"; a row of dashes, which only underlines the header, as nothing.
std::optional<std::string> tableRow(std::string_view line) {
    if (line.find_first_not_of("|-: ") == std::string_view::npos) {
        return std::nullopt;
    }
    line.remove_prefix(1);
    if (line.ends_with('|')) {
        line.remove_suffix(1);
    }
    std::string row;
    for (std::size_t start = 0; start <= line.size();) {
        std::size_t end = line.find('|', start);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        std::string_view cell = line.substr(start, end - start);
        while (cell.starts_with(' ')) {
            cell.remove_prefix(1);
        }
        while (cell.ends_with(' ')) {
            cell.remove_suffix(1);
        }
        if (!row.empty() || start > 0) {
            row += '\t';
        }
        row += cell;
        start = end + 1;
    }
    return row;
}

}  // namespace

GuideText guideText(std::string_view markdown) {
    GuideText guide;
    while (!markdown.empty()) {
        std::size_t end = markdown.find('\n');
        std::string_view line = markdown.substr(0, end);
        markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        int level = 0;
        while (static_cast<std::size_t>(level) < line.size() && line[level] == '#') {
            ++level;
        }
        std::string shown;
        if (level > 0) {
            shown = withoutMarks(line.substr(static_cast<std::size_t>(level)));
            shown.erase(0, shown.find_first_not_of(' '));
        } else if (line.starts_with('|')) {
            const auto row = tableRow(line);
            if (!row) {
                continue;
            }
            shown = withoutMarks(*row);
        } else if (line.starts_with("- ")) {
            shown = "• " + withoutMarks(line.substr(2));
        } else {
            shown = withoutMarks(line);
        }
        const std::wstring wide = toWide(shown);
        if (level > 0) {
            guide.headings.push_back({guide.text.size(), wide.size(), level});
        }
        guide.text += wide;
        guide.text += L'\n';
    }
    return guide;
}

}  // namespace bithydraulics::win32
