#include "cli/fitted_table.h"

#include <algorithm>

#include "cases/text.h"
#include "platform/terminal.h"

namespace bithydraulics::cli {

std::size_t outputWidth() {
    return outputTerminalColumns().value_or(100);
}

FittedTable::FittedTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

void FittedTable::addRow(std::span<const std::string_view> cells) {
    rows_.emplace_back(cells.begin(), cells.end());
    rows_.back().resize(columns_.size());
}

void FittedTable::render(std::size_t width, cases::OutputBuffer& out) {
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        std::size_t w =
            std::max(cases::displayWidth(columns_[c].name), cases::displayWidth(columns_[c].unit));
        for (const auto& row : rows_) {
            w = std::max(w, cases::displayWidth(row[c]));
        }
        widths.push_back(w);
    }
    std::vector<bool> shown(columns_.size(), true);
    const auto total = [&] {
        std::size_t sum = 0;
        std::size_t count = 0;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (shown[c]) {
                sum += widths[c];
                ++count;
            }
        }
        return sum + 2 * (count > 0 ? count - 1 : 0);
    };
    // Leave out the least important columns one at a time, the rightmost of equals first, until
    // the rest fit.
    std::vector<std::size_t> order;
    for (std::size_t c = 1; c < columns_.size(); ++c) {
        order.push_back(c);
    }
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
        return columns_[a].priority != columns_[b].priority
                   ? columns_[a].priority < columns_[b].priority
                   : a > b;
    });
    for (const std::size_t c : order) {
        if (total() <= width) {
            break;
        }
        shown[c] = false;
    }
    std::vector<cases::TextTable::Align> alignments;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (shown[c]) {
            alignments.push_back(columns_[c].align);
        }
    }
    cases::TextTable table(alignments, 200);
    std::vector<std::string_view> cells;
    const auto add = [&](const auto& cellOf) {
        cells.clear();
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (shown[c]) {
                cells.push_back(cellOf(c));
            }
        }
        table.addRow(cells);
    };
    add([&](std::size_t c) -> std::string_view { return columns_[c].name; });
    add([&](std::size_t c) -> std::string_view { return columns_[c].unit; });
    for (const auto& row : rows_) {
        add([&](std::size_t c) -> std::string_view { return row[c]; });
    }
    table.render(out);
    rows_.clear();
}

}  // namespace bithydraulics::cli
