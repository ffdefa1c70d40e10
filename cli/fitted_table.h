#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/output_buffer.h"
#include "cases/text_table.h"

// A table for a terminal: its columns under a line of names and a line of units, as many of them
// as fit the width, the ones that matter least left out first.
namespace bithydraulics::cli {

// The width tables are fitted to: the terminal's, or 100 columns when the output is not a
// terminal.
std::size_t outputWidth();

class FittedTable {
  public:
    struct Column {
        std::string name;
        std::string unit;
        cases::TextTable::Align align = cases::TextTable::Align::Right;
        int priority = 0;  // the lowest is left out first, of equals the rightmost
    };

    explicit FittedTable(std::vector<Column> columns);

    void addRow(std::span<const std::string_view> cells);
    // Writes the columns that fit `width` (the first always), in their order.
    void render(std::size_t width, cases::OutputBuffer& out);

  private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace bithydraulics::cli
