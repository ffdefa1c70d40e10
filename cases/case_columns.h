#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What a header cell of a case table names: an input (by field name or caption, with its unit in
// brackets after it or not), a result of an earlier output, or anything else, a label such as
// 井号, well or section that rides along with its case.
namespace bithydraulics::cases {

enum class ColumnRole { Input, Result, Label };

struct ColumnMeaning {
    ColumnRole role = ColumnRole::Label;
    std::size_t input = 0;   // Input: the index into kInputQuantities
    bool wrongUnit = false;  // Input: a unit in brackets that is not the input's
};

// `name` without the blanks (spaces, tabs, U+3000) at either end.
std::string_view trimHeaderBlanks(std::string_view name);

// Reads a header cell: "flowRate", "排量", "排量(L/s)", "排量（L/s）", "排量 [L/s]", blanks around
// any part. A unit is compared without regard to ASCII case, blanks or superscript digits
// ("g/cm3" is "g/cm³"). Results are named as outputs write them (field name or caption, any
// unit), fault and faultQuantity included.
ColumnMeaning classifyColumn(std::string_view name);

// The header a saved case gives input `input`: its caption and unit, "排量(L/s)".
std::string captionWithUnit(std::size_t input);

}  // namespace bithydraulics::cases
