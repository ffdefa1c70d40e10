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
    std::string_view rows = text;
    if (rows.ends_with("\r\n")) {
        rows.remove_suffix(2);
    } else if (rows.ends_with('\n') || rows.ends_with('\r')) {
        rows.remove_suffix(1);
    }
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!isSeparator(rows[i])) {
            cell += rows[i];
            continue;
        }
        if (rows[i] == '\r' && i + 1 < rows.size() && rows[i + 1] == '\n') {
            ++i;  // CRLF ends one row
        }
        cells.push_back(std::move(cell));
        cell.clear();
    }
    cells.push_back(std::move(cell));
    return cells;
}

PastePlan planPaste(std::string_view text, int first, int fieldCount) {
    PastePlan plan;
    plan.first = first;
    plan.cells = pastedCells(text);
    const auto room = static_cast<std::size_t>(std::max(0, fieldCount - first));
    if (plan.cells.size() > room) {
        plan.leftOut = static_cast<int>(plan.cells.size() - room);
        plan.cells.resize(room);
    }
    return plan;
}

std::string leftOutNote(const PastePlan& plan) {
    if (plan.leftOut == 0 || plan.cells.empty()) {
        return {};
    }
    return "另有 " + std::to_string(plan.leftOut) + " 格超出最后一个输入栏，未粘贴";
}

}  // namespace bithydraulics
