#pragma once

#include <array>
#include <cstdint>

// The columns code points take on a terminal, generated from the Unicode data
// (character_width_table.cpp): runs of code points taking 0 or 2 columns, in order; every other
// code point takes 1. (The count is the generator's; a table that changes it fails to compile
// until it is changed here.)
namespace bithydraulics {

struct WidthRun {
    std::uint32_t first;
    std::uint32_t last;
    std::uint32_t width;
};
extern const std::array<WidthRun, 453> kWidthRuns;

}  // namespace bithydraulics
