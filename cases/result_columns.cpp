#include "cases/result_columns.h"

#include <algorithm>
#include <charconv>

namespace bithydraulics::cases {
namespace {

// The nine with their display units; with `full`, the nozzle area first and the nine with the
// units of the values the calculation keeps.
constexpr std::array<ResultColumn, kMaxResultColumns> columnsOf(bool full) {
    std::array<ResultColumn, kMaxResultColumns> columns{};
    columns[0] = {kNozzleAreaName, kNozzleAreaCaption, kNozzleAreaUnit,
                  &HydraulicsResults::nozzleArea};
    for (std::size_t i = 0; i < kDisplayedResults.size(); ++i) {
        const ResultQuantity& quantity = kDisplayedResults[i];
        columns[full ? i + 1 : i] = {quantity.name, quantity.caption,
                                     full ? quantity.storedUnit : quantity.displayUnit,
                                     quantity.member};
    }
    return columns;
}

constexpr auto kDisplayedColumns = columnsOf(false);
constexpr auto kFullColumns = columnsOf(true);

}  // namespace

std::span<const ResultColumn> resultColumns(bool full) {
    return full ? std::span(kFullColumns)
                : std::span(kDisplayedColumns).first(kDisplayedResults.size());
}

bool isResultColumn(std::string_view name) {
    return name == kFaultColumn || name == kFaultQuantityColumn ||
           std::ranges::find(kFullColumns, name, &ResultColumn::name) != kFullColumns.end();
}

std::string_view formatShortest(double value, std::array<char, 32>& buffer) {
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

}  // namespace bithydraulics::cases
