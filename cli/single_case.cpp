#include "cli/command.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

#include "cases/column_names.h"
#include "cases/errors.h"
#include "cases/result_columns.h"
#include "cases/text_table.h"
#include "cli/case/case_computer.h"
#include "cli/case/nozzle_list_text.h"
#include "cli/exit_status.h"

namespace bithydraulics::cli {
namespace {

void writeTable(const CaseResult& result, bool full, cases::OutputBuffer& out) {
    using Align = cases::TextTable::Align;
    cases::TextTable table({Align::Left, Align::Left, Align::Right, Align::Left});
    const std::span<const cases::ResultColumn> columns = cases::resultColumns(full);
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

void writeJson(const InputTexts& texts, const std::optional<NozzleListArgument>& list,
               const CaseResult& result, bool full, cases::OutputBuffer& out) {
    nlohmann::ordered_json object;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        object["inputs"][std::string(kInputQuantities[i].name)] = texts[i];
    }
    if (list) {
        object["inputs"][list->name] = list->text;
    }
    const std::span<const cases::ResultColumn> columns = cases::resultColumns(full);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        nlohmann::ordered_json& value = object["results"][std::string(columns[i].name)];
        if (!full) {
            value = result.cells[i];
        } else if (result.computed()) {
            value = result.values.*columns[i].member;
        }
    }
    object[std::string(cases::kFaultColumn)] = result.fault;
    object[std::string(cases::kFaultQuantityColumn)] = result.faultQuantity;
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
                    "its field; inputs not given keep their default text; or the nozzles of a "
                    "bit with up to twelve as nozzles=12,12,13,13 (1/32 in) or nozzlesMm=9.5,10 "
                    "in place of the three nozzle fields; e.g. flowRate=32 or 排量=32L/s")
        ->type_name("");
    addChoice(program, "--format", options.caseFormat,
              {{"table", CaseFormat::Table}, {"json", CaseFormat::Json}}, "table|json",
              "table (the default: each result's name, caption, display text and unit) or json "
              "(one object: inputs as texts, results as display texts); e.g. --format json");
    addCaseOptions(program, options);
    return &program;
}

int runSingleCase(const Options& options, Streams& streams) {
    std::vector<std::string> arguments;
    std::optional<NozzleListArgument> list;
    for (const std::string& argument : options.arguments) {
        if (auto given = nozzleListArgument(argument)) {
            if (list) {
                throw cases::UsageError("the nozzles are listed twice (" + list->name + " and " +
                                        given->name + ")");
            }
            list = std::move(given);
        } else {
            arguments.push_back(argument);
        }
    }
    const std::vector<cases::Assignment> assignments = cases::parseAssignments(arguments);
    GivenInputs given;
    const InputTexts texts = caseTexts(assignments, given);
    CaseComputer computer(options.full);
    if (list && (given[0] || given[1] || given[2])) {
        throw cases::UsageError(list->name +
                                " lists the nozzles in place of the three nozzle fields: "
                                "give one or the other");
    }
    NozzleListReading reading;
    if (list) {
        reading = readNozzleList(list->name, list->text);
        if (!reading.problem.empty()) {
            throw cases::UsageError(reading.problem);
        }
    }
    const CaseResult& result =
        list ? computer.compute(texts, given, options.strict, reading.nozzles, list->name, true)
             : computer.compute(texts, given, options.strict);
    if (options.caseFormat == CaseFormat::Json) {
        writeJson(texts, list, result, options.full, streams.out);
    } else {
        writeTable(result, options.full, streams.out);
    }
    return result.computed() ? kExitComputed : kExitFaulted;
}

}  // namespace bithydraulics::cli
