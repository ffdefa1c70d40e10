#include "cli/text_table.h"

#include <algorithm>
#include <cstdint>

namespace bithydraulics::cli {
namespace {

bool isWide(std::uint32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool isCombining(std::uint32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE20 && c <= 0xFE2F);
}

}  // namespace

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        std::uint32_t c = lead;
        if (lead >= 0xF0) {
            length = 4;
            c = lead & 0x07u;
        } else if (lead >= 0xE0) {
            length = 3;
            c = lead & 0x0Fu;
        } else if (lead >= 0xC0) {
            length = 2;
            c = lead & 0x1Fu;
        }
        if (length > 1 && i + length <= text.size()) {
            for (std::size_t k = 1; k < length; ++k) {
                c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
            }
        } else {
            length = 1;
        }
        width += isWide(c) ? 2 : isCombining(c) ? 0 : 1;
        i += length;
    }
    return width;
}

TextTable::TextTable(std::vector<Align> alignments)
    : alignments_(std::move(alignments)), widths_(alignments_.size(), 0) {}

void TextTable::addRow(std::span<const std::string_view> cells) {
    const std::size_t columns = alignments_.size();
    if (cells_.size() < (rowCount_ + 1) * columns) {
        cells_.resize((rowCount_ + 1) * columns);
    }
    for (std::size_t c = 0; c < columns; ++c) {
        std::string& cell = cells_[rowCount_ * columns + c];
        cell.assign(c < cells.size() ? cells[c] : std::string_view{});
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

}  // namespace bithydraulics::cli
