#include "behaviour/result_table.h"

#include "behaviour/field_glossary.h"

namespace bithydraulics {

std::vector<TableRow> fieldTable(const FieldArray& fields) {
    std::vector<TableRow> rows{{"项目", "数值", "单位"}};
    for (int i = 0; i < kFieldCount; ++i) {
        rows.push_back(
            {std::string(fieldCaption(i)), fields.readText(i), std::string(fieldUnit(i))});
    }
    return rows;
}

std::string tabSeparatedText(const std::vector<TableRow>& rows) {
    std::string text;
    for (const TableRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            for (const char c : row[i]) {
                text += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
            }
        }
        text += '\n';
    }
    return text;
}

}  // namespace bithydraulics
