#include "cli/point_cells.h"

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"

namespace bithydraulics::cli {

std::vector<cases::Column> PointCells::columns() const {
    const cases::CellKind kind = full_ ? cases::CellKind::Number : cases::CellKind::Figure;
    std::vector<cases::Column> columns{{"flowRate", kInputQuantities[3].caption, "L/s", kind},
                                       {"pumpPressure", kInputQuantities[10].caption, "MPa", kind},
                                       {"availablePressure", {}, "MPa", kind},
                                       {"pumpPower", {}, "kW", kind}};
    for (const cases::ResultColumn& column : cases::resultColumns(full_)) {
        columns.push_back({std::string(column.name), column.caption, column.unit, kind});
    }
    columns.push_back({"equivalentDensity", {}, "g/cm³", kind});
    return columns;
}

std::span<const std::string_view> PointCells::fill(const optimize::OperatingPoint& point,
                                                   bool computed) {
    const std::span<const cases::ResultColumn> results = cases::resultColumns(full_);
    std::array<char, 32> buffer{};
    const auto add = [&](double value) {
        texts_.push_back(full_ ? std::string(cases::formatShortest(value, buffer))
                               : formatFixed2(value));
    };
    texts_.clear();
    add(point.flowRate());
    if (computed) {
        add(point.pumpPressure());
        add(point.availablePressure);
        add(point.pumpPower);
        if (full_) {
            for (const cases::ResultColumn& column : results) {
                add(point.results.*column.member);
            }
        } else {
            const ResultTexts shown = formResultTexts(point.results);
            texts_.insert(texts_.end(), shown.begin(), shown.end());
        }
        add(point.equivalentDensity);
    }
    // Four figures before the results, the equivalent density after them.
    texts_.resize(4 + results.size() + 1);
    cells_.assign(texts_.begin(), texts_.end());
    return cells_;
}

}  // namespace bithydraulics::cli
