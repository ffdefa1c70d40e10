#include "cli/case/result_columns.h"

#include <algorithm>
#include <charconv>

namespace bithydraulics::cli {
namespace {

constexpr std::array<ResultColumn, kDisplayedResults.size()> displayedColumns() {
    std::array<ResultColumn, kDisplayedResults.size()> columns{};
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        const ResultQuantity& quantity = kDisplayedResults[i];
        columns[i] = {quantity.name, quantity.caption, quantity.displayUnit, quantity.member};
    }
    return columns;
}

constexpr std::array<ResultColumn, kMaxResultColumns> fullColumns() {
    std::array<ResultColumn, kMaxResultColumns> columns{};
    columns[0] = {kNozzleAreaName, kNozzleAreaCaption, kNozzleAreaUnit,
                  &HydraulicsResults::nozzleArea};
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        const ResultQuantity& quantity = kDisplayedResults[i];
        columns[i + 1] = {quantity.name, quantity.caption, quantity.storedUnit, quantity.member};
    }
    return columns;
}

constexpr auto kDisplayedColumns = displayedColumns();
constexpr auto kFullColumns = fullColumns();

}  // namespace

std::span<const ResultColumn> resultColumns(bool full) {
    if (full) {
        return kFullColumns;
    }
    return kDisplayedColumns;
}

bool isResultColumn(std::string_view name) {
    return name == kFaultColumn || name == kFaultQuantityColumn ||
           std::any_of(kFullColumns.begin(), kFullColumns.end(),
                       [name](const ResultColumn& column) { return column.name == name; });
}

std::string_view formatShortest(double value, std::array<char, 32>& buffer) {
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

}  // namespace bithydraulics::cli
