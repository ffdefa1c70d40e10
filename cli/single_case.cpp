#include "cli/single_case.h"

#include <array>

#include "cli/batch.h"
#include "cli/case_computer.h"
#include "cli/json_string.h"
#include "cli/result_columns.h"
#include "cli/text_table.h"

namespace bithydraulics::cli {
namespace {

void writeTable(const CaseResult& result, bool full, OutputBuffer& out) {
    using Align = TextTable::Align;
    TextTable table({Align::Left, Align::Left, Align::Right, Align::Left});
    ResultCells cells;
    cells.fill(result, full);
    const std::span<const ResultColumn> columns = resultColumns(full);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::array<std::string_view, 4> row{columns[i].name, columns[i].caption,
                                                  cells.cells()[i], columns[i].unit};
        table.addRow(row);
    }
    table.render(out);
    if (!result.computed()) {
        out.append(kFaultColumn);
        out.append(": ");
        out.append(result.fault);
        out.append(" at ");
        out.append(result.faultQuantity);
        out.append('\n');
    }
}

// Writes "name": value lines of one JSON object at the given indentation.
void writeMember(OutputBuffer& out, std::string_view indent, std::string_view name, bool first) {
    out.append(first ? "\n" : ",\n");
    out.append(indent);
    appendJsonString(out, name);
    out.append(": ");
}

void writeJson(const InputTexts& texts, const CaseResult& result, bool full, OutputBuffer& out) {
    out.append("{");
    writeMember(out, "  ", "inputs", true);
    out.append("{");
    for (std::size_t i = 0; i < kInputCount; ++i) {
        writeMember(out, "    ", kInputQuantities[i].name, i == 0);
        appendJsonString(out, texts[i]);
    }
    out.append("\n  }");
    writeMember(out, "  ", "results", false);
    out.append("{");
    ResultCells cells;
    cells.fill(result, full);
    const std::span<const ResultColumn> columns = resultColumns(full);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        writeMember(out, "    ", columns[i].name, i == 0);
        if (!full) {
            appendJsonString(out, cells.cells()[i]);
        } else {
            // Round-trip figures are JSON numbers as they stand.
            out.append(result.computed() ? cells.cells()[i] : "null");
        }
    }
    out.append("\n  }");
    writeMember(out, "  ", kFaultColumn, false);
    appendJsonString(out, result.fault);
    writeMember(out, "  ", kFaultQuantityColumn, false);
    appendJsonString(out, result.faultQuantity);
    out.append("\n}\n");
}

}  // namespace

int runSingleCase(const std::vector<Assignment>& assignments, OutputBuffer& out,
                  const CaseSettings& settings) {
    InputTexts texts = defaultInputTexts();
    GivenInputs given;
    for (const Assignment& assignment : assignments) {
        texts[assignment.input] = assignment.text;
        given.set(assignment.input);
    }
    CaseComputer computer;
    const CaseResult& result = computer.compute(texts, given, settings.strict);
    if (settings.format == CaseFormat::Json) {
        writeJson(texts, result, settings.full, out);
    } else {
        writeTable(result, settings.full, out);
    }
    return result.computed() ? kExitComputed : kExitFaulted;
}

}  // namespace bithydraulics::cli
