#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/output_buffer.h"

namespace bithydraulics::cases {

// Rows of cells laid out in aligned columns, two spaces apart. Rows are held until render(); the
// column widths only ever grow, so a long output rendered in blocks stays aligned as far as the
// widths seen so far allow while memory stays bounded by the block. A cell wider than
// kMaxCellWidth terminal columns (or the width given) is cut, "…" standing for the rest.
class TextTable {
  public:
    enum class Align { Left, Right };
    static constexpr std::size_t kMaxCellWidth = 40;

    explicit TextTable(std::vector<Align> alignments, std::size_t maxCellWidth = kMaxCellWidth);

    std::size_t rowCount() const { return rowCount_; }
    // Holds a copy of `cells` (one per column; missing cells are empty). Control characters
    // show as spaces, so that a cell never breaks its line.
    void addRow(std::span<const std::string_view> cells);
    // Writes the rows held, one line each, and forgets them.
    void render(OutputBuffer& out);

  private:
    std::vector<Align> alignments_;
    std::size_t maxCellWidth_;
    std::vector<std::size_t> widths_;
    std::vector<std::string> cells_;  // rowCount_ × columns, reused from block to block
    std::size_t rowCount_ = 0;
};

}  // namespace bithydraulics::cases
