#include "behaviour/pasted_cells.h"

#include <algorithm>

namespace bithydraulics {
namespace {

bool isSeparator(char c) {
    return c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

bool holdsCellSeparator(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isSeparator);
}

std::vector<std::string> pastedCells(std::string_view text) {
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    std::vector<std::string> cells(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isSeparator(text[i])) {
            cells.back() += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;  // CRLF ends one row
        }
        cells.emplace_back();
    }
    return cells;
}

PasteDistribution distributePaste(int first, int cellCount, int fieldCount) {
    const int available = std::max(fieldCount - first, 0);
    const int filled = std::min(cellCount, available);
    return {first, filled, filled > 0 ? cellCount - filled : 0};
}

std::string leftOutNote(int leftOut) {
    return "另有 " + std::to_string(leftOut) + " 格超出最后一个输入栏，未粘贴";
}

}  // namespace bithydraulics
