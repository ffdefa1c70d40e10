#include "cases/case_columns.h"

#include <array>
#include <optional>
#include <utility>

#include "calc/quantities.h"
#include "cases/plain_figure.h"
#include "cases/result_columns.h"

namespace bithydraulics::cases {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// Brackets a unit may stand in after a name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kUnitBrackets{{
    {"(", ")"},
    {"\uFF08", "\uFF09"},  // full-width （ ）
    {"[", "]"},
}};

// A unit as compared: ASCII lower case, no blanks, superscript digits as plain ones.
std::string comparableUnit(std::string_view unit) {
    std::string text;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const char c = unit[i];
        if (unit.substr(i).starts_with("\u00B3")) {  // ³
            text += '3';
            ++i;
        } else if (unit.substr(i).starts_with("\u00B2")) {  // ²
            text += '2';
            ++i;
        } else if (c != ' ' && c != '\t') {
            text += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return text;
}

// `name` split into the name before a bracketed unit at its end and the unit; no unit when there
// is no such bracket.
std::pair<std::string_view, std::optional<std::string_view>> splitUnit(std::string_view name) {
    for (const auto& [open, close] : kUnitBrackets) {
        if (!name.ends_with(close)) {
            continue;
        }
        const std::size_t at = name.rfind(open);
        if (at == std::string_view::npos || at == 0) {
            continue;
        }
        const std::string_view unit =
            name.substr(at + open.size(), name.size() - close.size() - at - open.size());
        return {trimHeaderBlanks(name.substr(0, at)), trimHeaderBlanks(unit)};
    }
    return {name, std::nullopt};
}

bool isResultName(std::string_view name) {
    if (isResultColumn(name)) {
        return true;
    }
    for (const ResultColumn& column : resultColumns(true)) {
        if (column.caption == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string_view trimHeaderBlanks(std::string_view name) {
    for (;;) {
        const std::size_t before = name.size();
        name = trimBlanks(name);
        if (name.starts_with(kIdeographicSpace)) {
            name.remove_prefix(kIdeographicSpace.size());
        }
        if (name.ends_with(kIdeographicSpace)) {
            name.remove_suffix(kIdeographicSpace.size());
        }
        if (name.size() == before) {
            return name;
        }
    }
}

ColumnMeaning classifyColumn(std::string_view name) {
    name = trimHeaderBlanks(name);
    if (const std::optional<std::size_t> input = findInput(name)) {
        return {ColumnRole::Input, *input, false};
    }
    const auto [bare, unit] = splitUnit(name);
    if (!unit) {
        return {isResultName(name) ? ColumnRole::Result : ColumnRole::Label, 0, false};
    }
    if (const std::optional<std::size_t> input = findInput(bare)) {
        return {ColumnRole::Input, *input,
                comparableUnit(*unit) != comparableUnit(kInputQuantities[*input].unit)};
    }
    return {isResultName(bare) ? ColumnRole::Result : ColumnRole::Label, 0, false};
}

std::string captionWithUnit(std::size_t input) {
    const InputQuantity& quantity = kInputQuantities.at(input);
    return std::string(quantity.caption) + "(" + std::string(quantity.unit) + ")";
}

}  // namespace bithydraulics::cases
