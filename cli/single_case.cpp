#include "cli/command.h"

#include <array>
#include <nlohmann/json.hpp>

#include "cases/column_names.h"
#include "cases/result_columns.h"
#include "cases/text_table.h"
#include "cli/case/case_computer.h"
#include "cli/exit_status.h"

namespace bithydraulics::cli {
namespace {

void writeTable(const CaseResult& result, bool full, OutputBuffer& out) {
    using Align = TextTable::Align;
    TextTable table({Align::Left, Align::Left, Align::Right, Align::Left});
    const std::span<const ResultColumn> columns = resultColumns(full);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // A percentage carries its unit already.
        const bool percent = !full && columns[i].member == &HydraulicsResults::powerUtilization;
        table.addRow(std::array<std::string_view, 4>{
            columns[i].name, columns[i].caption, result.cells[i], percent ? "" : columns[i].unit});
    }
    table.render(out);
    if (!result.computed()) {
        out.append(faultLine(result.fault, result.faultQuantity) + "\n");
    }
}

void writeJson(const InputTexts& texts, const CaseResult& result, bool full, OutputBuffer& out) {
    nlohmann::ordered_json object;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        object["inputs"][std::string(kInputQuantities[i].name)] = texts[i];
    }
    const std::span<const ResultColumn> columns = resultColumns(full);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        nlohmann::ordered_json& value = object["results"][std::string(columns[i].name)];
        if (!full) {
            value = result.cells[i];
        } else if (result.computed()) {
            value = result.values.*columns[i].member;
        }
    }
    object[std::string(kFaultColumn)] = result.fault;
    object[std::string(kFaultQuantityColumn)] = result.faultQuantity;
    out.append(object.dump(2) + "\n");
}

}  // namespace

// [NAME=TEXT ...]: one case, the inputs named, the others at their default texts.
//  - Table: one line per result: field name, caption, display text and unit, aligned; a fault
//    leaves the texts empty and adds a last line naming the fault and where it arose.
//  - Json: one object {"inputs": {name: text, …all eleven}, "results": {name: text, …},
//    "fault": "", "faultQuantity": ""}.
// With --full, the results are the calculation's values as shortest round-trip figures (numbers
// in JSON), the nozzle area first. Returns kExitComputed, or kExitFaulted when the case faulted.
// Its arguments and options are those of the program itself.
CLI::App* declareSingleCase(CLI::App& program, Options& options) {
    program
        .add_option("NAME=TEXT", options.arguments,
                    "An input, by field name or caption, and its text, read as the window reads "
                    "its field; inputs not given keep their default text; e.g. flowRate=32 or "
                    "排量=32L/s")
        ->type_name("");
    addChoice(program, "--format", options.caseFormat,
              {{"table", CaseFormat::Table}, {"json", CaseFormat::Json}}, "table|json",
              "table (the default: each result's name, caption, display text and unit) or json "
              "(one object: inputs as texts, results as display texts); e.g. --format json");
    addCaseOptions(program, options);
    return &program;
}

int runSingleCase(const Options& options, Streams& streams) {
    const std::vector<Assignment> assignments = parseAssignments(options.arguments);
    GivenInputs given;
    const InputTexts texts = caseTexts(assignments, given);
    CaseComputer computer(options.full);
    const CaseResult& result = computer.compute(texts, given, options.strict);
    if (options.caseFormat == CaseFormat::Json) {
        writeJson(texts, result, options.full, streams.out);
    } else {
        writeTable(result, options.full, streams.out);
    }
    return result.computed() ? kExitComputed : kExitFaulted;
}

}  // namespace bithydraulics::cli
