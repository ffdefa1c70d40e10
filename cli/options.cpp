#include "cli/options.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/cli_errors.h"
#include "cli/names.h"
#include "cli/text_table.h"

namespace bithydraulics::cli {
namespace {

constexpr const char* kFullHelp =
    "Results as the shortest figures that read back as the computed values, nozzleArea "
    "included, instead of display texts; e.g. --full";
constexpr const char* kStrictHelp =
    "Every input text must be one plain figure (such as 32, -1.5 or 2e3, blanks around it "
    "allowed) and nothing else, or the case faults with invalid_text; e.g. --strict";

// `text` and blanks after it to fill `width` columns on a terminal.
std::string padded(std::string_view text, std::size_t width) {
    std::string cell(text);
    cell.append(width - std::min(width, displayWidth(text)), ' ');
    return cell;
}

std::string inputTable() {
    std::string table = "Inputs (field name, caption, unit, default text):\n";
    for (const InputQuantity& quantity : kInputQuantities) {
        table += "  " + padded(quantity.name, 17) + padded(quantity.caption, 12) +
                 padded(quantity.unit, 7) + std::string(quantity.defaultText) + "\n";
    }
    table += "Results: ";
    for (const ResultQuantity& quantity : kDisplayedResults) {
        table += std::string(quantity.name) +
                 (quantity.name == kDisplayedResults.back().name ? "\n" : ", ");
    }
    return table;
}

std::string footer() {
    return "\n" + inputTable() +
           "\nExit status: 0 every case computed, 1 some cases faulted (every row is still "
           "written), 2 a usage error or malformed input.\n"
           "\nExamples:\n"
           "  bit-hydraulics-cli 排量=32L/s 泥浆密度=1.3\n"
           "  bit-hydraulics-cli flowRate=32 mudDensity=1.3 --format json\n"
           "  bit-hydraulics-cli batch sections.csv --pass well > results.csv\n"
           "  bit-hydraulics-cli batch --input jsonl --format jsonl < cases.jsonl\n"
           "  bit-hydraulics-cli sweep flowRate=20:40:0.5 mudDensity=1.3 --format table\n";
}

template <typename T>
using Choices = std::vector<std::pair<std::string, T>>;

// An option whose value is one of the names in `choices`, stored in `target` as the value paired
// with it; anything else is refused with a message listing the names.
template <typename T>
CLI::Option* addChoice(CLI::App& app, const std::string& name, T& target, Choices<T> choices,
                       const std::string& help) {
    std::vector<std::string> names;
    for (const auto& choice : choices) {
        names.push_back(choice.first);
    }
    std::string typeName;
    for (const std::string& choice : names) {
        typeName += (typeName.empty() ? "" : "|") + choice;
    }
    return app
        .add_option_function<std::string>(
            name,
            [&target, choices](const std::string& value) {
                for (const auto& choice : choices) {
                    if (choice.first == value) {
                        target = choice.second;
                    }
                }
            },
            help)
        ->check(CLI::IsMember(names))
        ->type_name(typeName);
}

}  // namespace

std::variant<CommandLine, int> parseCommandLine(int argc, const char* const* argv,
                                                std::ostream& out) {
    CommandLine command;
    CommandLine batch;
    CommandLine sweep;
    batch.mode = Mode::Batch;
    sweep.mode = Mode::Sweep;

    CLI::App app(
        "Bit hydraulics from the command line: the window's compute command on texts "
        "given as arguments or streamed in.",
        std::string(kProgramName));
    app.set_help_flag("-h,--help",
                      "Print this help, every option included, and exit; e.g. "
                      "bit-hydraulics-cli --help, bit-hydraulics-cli batch --help");
    app.set_version_flag("--version", std::string(kVersion),
                         "Print the version (" + std::string(kVersion) +
                             ") and exit; e.g. bit-hydraulics-cli --version");
    app.footer(footer());
    app.require_subcommand(0, 1);

    const Choices<CaseFormat> caseFormats{{"table", CaseFormat::Table}, {"json", CaseFormat::Json}};
    const Choices<RowFormat> rowFormats{
        {"csv", RowFormat::Csv}, {"jsonl", RowFormat::JsonLines}, {"table", RowFormat::Table}};
    const Choices<InputFormat> inputFormats{{"csv", InputFormat::Csv},
                                            {"jsonl", InputFormat::JsonLines}};

    app.add_option("NAME=TEXT", command.assignments,
                   "An input, by field name or caption, and its text, read as the window reads "
                   "its field; inputs not given keep their default text; e.g. flowRate=32 or "
                   "排量=32L/s")
        ->type_name("");
    CLI::Option* caseFormat =
        addChoice(app, "--format", command.caseFormat, caseFormats,
                  "table (the default: each result's name, caption, display text and unit) "
                  "or json (one object: inputs as texts, results as display texts); e.g. "
                  "--format json");
    CLI::Option* caseFull = app.add_flag("--full", command.full, kFullHelp);
    CLI::Option* caseStrict = app.add_flag("--strict", command.strict, kStrictHelp);

    CLI::App* batchApp = app.add_subcommand(
        "batch",
        "Many cases from FILE or standard input, one output row per input row, streaming; e.g. "
        "bit-hydraulics-cli batch sections.csv");
    batchApp
        ->add_option("FILE", batch.file,
                     "CSV or JSON Lines input; - or nothing reads standard input; e.g. "
                     "sections.csv")
        ->type_name("");
    addChoice(*batchApp, "--input", batch.input, inputFormats,
              "csv (the default: RFC 4180, a header row of input names in any order and "
              "any subset, then one case per row) or jsonl (one JSON object per line, "
              "keys input names, values strings or numbers); e.g. --input jsonl");
    addChoice(*batchApp, "--format", batch.rowFormat, rowFormats,
              "csv (the default), jsonl or table; each row holds its inputs as given, "
              "the nine results, fault and faultQuantity; e.g. --format table");
    batchApp
        ->add_option("--pass", batch.passColumns,
                     "An extra input column, such as a well or section label, carried "
                     "through to the output unchanged; repeatable; e.g. --pass well --pass "
                     "section")
        ->type_name("NAME")
        ->allow_extra_args(false);
    batchApp->add_flag("--full", batch.full, kFullHelp);
    batchApp->add_flag("--strict", batch.strict, kStrictHelp);

    CLI::App* sweepApp = app.add_subcommand(
        "sweep",
        "One case per value of one input, FROM + i × STEP from FROM to TO inclusive; e.g. "
        "bit-hydraulics-cli sweep flowRate=20:40:0.5 mudDensity=1.3");
    sweepApp
        ->add_option("NAME=FROM:TO:STEP", sweep.range,
                     "The input to sweep and its range, plain figures; at most 1000000 "
                     "values; e.g. flowRate=20:40:0.5")
        ->type_name("")
        ->required();
    sweepApp
        ->add_option("NAME=TEXT", sweep.assignments,
                     "Other inputs and their texts, as for one case; e.g. mudDensity=1.3")
        ->type_name("");
    addChoice(*sweepApp, "--format", sweep.rowFormat, rowFormats,
              "csv (the default), jsonl or table, as for batch; e.g. --format jsonl");
    sweepApp->add_flag("--full", sweep.full, kFullHelp);
    sweepApp->add_flag("--strict", sweep.strict, kStrictHelp);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }

    const bool caseOptionsGiven = !command.assignments.empty() || caseFormat->count() > 0 ||
                                  caseFull->count() > 0 || caseStrict->count() > 0;
    if (batchApp->parsed() || sweepApp->parsed()) {
        if (caseOptionsGiven) {
            throw UsageError(std::string("inputs and options go after '") +
                             (batchApp->parsed() ? "batch" : "sweep") + "'");
        }
        return batchApp->parsed() ? batch : sweep;
    }
    return command;
}

}  // namespace bithydraulics::cli
