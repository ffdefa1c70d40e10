#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a paste of several cells does to the input fields, decided apart from the fields
// themselves. Texts are UTF-8; the separators are ASCII, so cells split on bytes.
namespace bithydraulics {

// The cells of a pasted text, as a spreadsheet puts a row, a column or a block of cells on the
// clipboard: cells end at tabs and line breaks, row after row, and the line break that ends the
// last row is not a cell of its own. A text without either is one cell.
std::vector<std::string> pastedCells(std::string_view text);

// Whether `text` holds a cell separator (a tab or a line break).
bool holdsCellSeparator(std::string_view text);

// How the cells of a paste into field `first` of `fieldCount` input fields are placed: one a
// field from `first` on, the rest left out.
struct PastePlan {
    int first = 0;
    std::vector<std::string> cells;  // the cells that find a field, in field order
    int leftOut = 0;                 // cells beyond the last input field
};
PastePlan planPaste(std::string_view text, int first, int fieldCount);

// The note for cells left out, "另有 2 格超出最后一个输入栏，未粘贴"; empty when none was.
std::string leftOutNote(const PastePlan& plan);

}  // namespace bithydraulics
