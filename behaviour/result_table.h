#pragma once

#include <string>
#include <vector>

#include "calc/compute_command.h"

// The window's twenty fields as a table, for 复制结果 and 导出结果: a header row (项目, 数值,
// 单位), then one row a field in field order, each its caption, the text it shows and its unit.
namespace bithydraulics {

using TableRow = std::vector<std::string>;

std::vector<TableRow> fieldTable(const FieldArray& fields);

// The table as tab-separated text, one line (ended by a line break) a row, ready to paste into a
// spreadsheet; tabs and line breaks inside a cell become blanks.
std::string tabSeparatedText(const std::vector<TableRow>& rows);

}  // namespace bithydraulics
