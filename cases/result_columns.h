#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "calc/hydraulics.h"
#include "calc/quantities.h"

// The result part of every output row: which columns there are.
namespace bithydraulics::cases {

inline constexpr std::string_view kFaultColumn = "fault";
inline constexpr std::string_view kFaultQuantityColumn = "faultQuantity";

struct ResultColumn {
    std::string_view name;     // HydraulicsResults field name
    std::string_view caption;  // caption of its row in the window, or of the nozzle area
    std::string_view unit;     // of the display text, or with --full of the stored value
    double HydraulicsResults::*member;
};

inline constexpr std::size_t kMaxResultColumns = kDisplayedResults.size() + 1;

// The nine displayed results with their display units; with `full`, the nozzle area first and
// then the nine, all with the units of the values the calculation keeps.
std::span<const ResultColumn> resultColumns(bool full);

// Whether `name` is a column of results in an output row: a result, fault or faultQuantity.
bool isResultColumn(std::string_view name);

// The shortest decimal text that reads back as exactly `value`.
std::string_view formatShortest(double value, std::array<char, 32>& buffer);

}  // namespace bithydraulics::cases
