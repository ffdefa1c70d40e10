#include "cases/text_table.h"

#include <algorithm>

#include "cases/text.h"

namespace bithydraulics::cases {

TextTable::TextTable(std::vector<Align> alignments, std::size_t maxCellWidth)
    : alignments_(std::move(alignments)),
      maxCellWidth_(maxCellWidth),
      widths_(alignments_.size(), 0) {}

void TextTable::addRow(std::span<const std::string_view> cells) {
    const std::size_t columns = alignments_.size();
    cells_.resize(std::max(cells_.size(), (rowCount_ + 1) * columns));
    for (std::size_t c = 0; c < columns; ++c) {
        std::string& cell = cells_[rowCount_ * columns + c];
        const std::string_view text = c < cells.size() ? cells[c] : std::string_view{};
        if (text.size() > maxCellWidth_ && displayWidth(text) > maxCellWidth_) {
            cell.assign(leadingColumns(text, maxCellWidth_ - 1)).append("…");
        } else {
            cell.assign(text);
        }
        std::replace_if(
            cell.begin(), cell.end(),
            [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F; }, ' ');
    }
    ++rowCount_;
}

void TextTable::render(OutputBuffer& out) {
    const std::size_t columns = alignments_.size();
    for (std::size_t r = 0; r < rowCount_; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            widths_[c] = std::max(widths_[c], displayWidth(cells_[r * columns + c]));
        }
    }
    for (std::size_t r = 0; r < rowCount_; ++r) {
        // Blanks are written only before a later cell, so no line ends in blanks.
        std::size_t pending = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string& cell = cells_[r * columns + c];
            const std::size_t padding = widths_[c] - displayWidth(cell);
            if (c > 0) {
                pending += 2;
            }
            if (alignments_[c] == Align::Right) {
                pending += padding;
            }
            if (!cell.empty()) {
                for (; pending > 0; --pending) {
                    out.append(' ');
                }
                out.append(cell);
            }
            if (alignments_[c] == Align::Left) {
                pending += padding;
            }
        }
        out.append('\n');
    }
    rowCount_ = 0;
}

}  // namespace bithydraulics::cases
