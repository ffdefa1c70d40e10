#pragma once

#include <string>
#include <string_view>
#include <vector>

// A paste of several cells into the input fields, as a spreadsheet puts a row, a column or a
// block on the clipboard: each cell fills one field, from the field pasted into on.
namespace bithydraulics {

// The cells of `text`: cells end at tabs and line breaks (CR, LF or CRLF), row after row, and the
// line break that ends the last row is not a cell of its own. A text without either is one cell.
std::vector<std::string> pastedCells(std::string_view text);

// Whether `text` holds a tab or a line break, and so may be several cells.
bool holdsCellSeparator(std::string_view text);

// Where the cells of a paste go: fields [first, first + filled) take the first `filled` cells,
// and `leftOut` cells find no field.
struct PasteDistribution {
    int first = 0;
    int filled = 0;
    int leftOut = 0;
};

// How `cellCount` cells pasted into field `first` of `fieldCount` fields are distributed.
PasteDistribution distributePaste(int first, int cellCount, int fieldCount);

// The note telling how many cells found no field ("另有 2 格超出最后一个输入栏，未粘贴").
std::string leftOutNote(int leftOut);

}  // namespace bithydraulics
