#include "cli/point_cells.h"

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "calc/quantities.h"

namespace bithydraulics::cli {
namespace {

using optimize::OperatingPoint;

struct PointFigure {
    std::string_view name;
    std::string_view caption;
    std::string_view unit;
    double (*value)(const OperatingPoint&);
};

constexpr std::array<PointFigure, 4> kLeadingFigures{{
    {"flowRate", kInputQuantities[3].caption, "L/s",
     [](const OperatingPoint& p) { return p.flowRate(); }},
    {"pumpPressure", kInputQuantities[10].caption, "MPa",
     [](const OperatingPoint& p) { return p.pumpPressure(); }},
    {"availablePressure", "", "MPa", [](const OperatingPoint& p) { return p.availablePressure; }},
    {"pumpPower", "", "kW", [](const OperatingPoint& p) { return p.pumpPower; }},
}};

constexpr PointFigure kEquivalentDensity{
    "equivalentDensity", "", "g/cm³", [](const OperatingPoint& p) { return p.equivalentDensity; }};

}  // namespace

std::vector<Column> PointCells::columns() const {
    const CellKind kind = full_ ? CellKind::Number : CellKind::Figure;
    std::vector<Column> columns;
    for (const PointFigure& figure : kLeadingFigures) {
        columns.push_back({std::string(figure.name), figure.caption, figure.unit, kind});
    }
    for (const ResultColumn& column : resultColumns(full_)) {
        columns.push_back({std::string(column.name), column.caption, column.unit, kind});
    }
    columns.push_back({std::string(kEquivalentDensity.name), kEquivalentDensity.caption,
                       kEquivalentDensity.unit, kind});
    return columns;
}

std::span<const std::string_view> PointCells::fill(const OperatingPoint& point, bool computed) {
    const std::span<const ResultColumn> results = resultColumns(full_);
    const std::size_t count = kLeadingFigures.size() + results.size() + 1;
    std::array<char, 32> buffer{};
    const auto figure = [&](double value) {
        return full_ ? std::string(formatShortest(value, buffer)) : formatFixed2(value);
    };
    for (std::string& text : texts_) {
        text.clear();
    }
    texts_[0] = figure(point.flowRate());
    if (computed) {
        for (std::size_t i = 1; i < kLeadingFigures.size(); ++i) {
            texts_[i] = figure(kLeadingFigures[i].value(point));
        }
        if (full_) {
            for (std::size_t i = 0; i < results.size(); ++i) {
                texts_[kLeadingFigures.size() + i] = figure(point.results.*results[i].member);
            }
        } else {
            const ResultTexts shown = formResultTexts(point.results);
            std::copy(shown.begin(), shown.end(), texts_.begin() + kLeadingFigures.size());
        }
        texts_[count - 1] = figure(kEquivalentDensity.value(point));
    }
    for (std::size_t i = 0; i < count; ++i) {
        cells_[i] = texts_[i];
    }
    return {cells_.data(), count};
}

}  // namespace bithydraulics::cli
