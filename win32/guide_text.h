#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The guide's Markdown as plain text with its headings marked, for a rich-edit view: headings
// lose their "#", table rows become tab-separated lines, list items take a bullet, and "**" and
// "`" go.
namespace bithydraulics::win32 {

struct GuideHeading {
    std::size_t start;   // in characters of the text, each line break counting one
    std::size_t length;  // in characters
    int level;           // 1 for "#", 2 for "##", ...
};

struct GuideText {
    std::wstring text;  // lines ended by "\n"
    std::vector<GuideHeading> headings;
};

GuideText guideText(std::string_view markdown);

}  // namespace bithydraulics::win32
