#include "cli/command.h"

#include "cases/errors.h"

namespace bithydraulics::cli {

CLI::Option* acceptOnly(CLI::Option* option, const CLI::Validator& check,
                        const std::string& names) {
    const std::string refusal = option->get_name() + " takes " + names + ", not '";
    const auto refuseOthers = [check, refusal](std::string& text) {
        if (!check(text).empty()) {
            throw cases::UsageError(refusal + text + "'");
        }
        return std::string();
    };
    return option->transform(CLI::Validator(refuseOthers, ""))->type_name(names);
}

void addCaseOptions(CLI::App& command, Options& options) {
    command.add_flag("--full", options.full,
                     "Results as the shortest figures that read back as the computed values, "
                     "nozzleArea included, instead of display texts; e.g. --full");
    addStrictOption(command, options);
}

void addStrictOption(CLI::App& command, Options& options) {
    command.add_flag("--strict", options.strict,
                     "Every input text must be one plain figure (such as 32, -1.5 or 2e3, blanks "
                     "around it allowed) and nothing else, or the case faults with invalid_text; "
                     "e.g. --strict");
}

void addRowOptions(CLI::App& command, Options& options, std::string formatHelp) {
    if (formatHelp.empty()) {
        formatHelp =
            "csv (the default), jsonl or table; each row holds its inputs as given, the nine "
            "results, fault and faultQuantity; a table cuts cells at 40 columns with …; e.g. "
            "--format table";
    }
    addChoice(command, "--format", options.write.format,
              {{"csv", cases::RowFormat::Csv},
               {"jsonl", cases::RowFormat::JsonLines},
               {"table", cases::RowFormat::Table}},
              "csv|jsonl|table", formatHelp);
    const std::map<std::string, std::string> separators{
        {",", ","}, {";", ";"}, {"tab", "\t"}, {"\t", "\t"}};
    acceptOnly(command.add_option_function<std::string>(
                   "--separator",
                   [&options](const std::string& separator) {
                       options.read.separator = options.write.separator = separator.front();
                   },
                   "The CSV separator of input and output: , (the default), ; or tab, as "
                   "European spreadsheets write; a first line sep=; names it too; e.g. "
                   "--separator ';'"),
               CLI::CheckedTransformer(separators), ",|;|tab");
    command.add_flag("--bom", options.write.byteOrderMark,
                     "Begin the output with a UTF-8 byte-order mark, so that a spreadsheet shows "
                     "its Chinese captions; e.g. --bom");
    command.add_flag("--excel-safe", options.write.excelSafe,
                     "Write a CSV text cell that begins with = + - or @ (and is not a figure) "
                     "with a leading ', so that a spreadsheet does not take it for a formula; "
                     "e.g. --excel-safe");
}

}  // namespace bithydraulics::cli
