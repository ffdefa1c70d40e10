#include "cli/command.h"

#include <algorithm>
#include <istream>
#include <optional>

#include "cases/case_table.h"
#include "cases/column_names.h"
#include "cases/errors.h"
#include "cases/file_input.h"
#include "cases/jsonl_reader.h"
#include "cases/plain_figure.h"
#include "cli/case/nozzle_list_text.h"
#include "cli/case_rows.h"

namespace bithydraulics::cli {
namespace {

// An output column of a CSV batch that takes its text from a cell of each row.
struct Source {
    std::size_t output;
    std::size_t cell;
    std::optional<std::size_t> input;  // the input it feeds; none for a --pass column
};

class Batch {
  public:
    Batch(const Options& options, Streams& streams, const std::vector<std::string>& overrides)
        : options_(options),
          streams_(streams),
          names_(options.passColumns, options.ignoreResults),
          fixed_(cases::parseAssignments(overrides)),
          fixedTexts_(caseTexts(fixed_, fixedGiven_)) {}

    int readCsv(std::istream& in) {
        cases::CaseTableReader table(in, options_.read);
        std::vector<InputColumn> columns;
        std::vector<std::string_view> fixedCells;  // of the output columns: NAME=TEXT or none
        std::vector<Source> sources;
        InputTexts texts = fixedTexts_;
        GivenInputs given = fixedGiven_;
        checkSeparator(table);
        // A nozzles or nozzlesMm column lists each row's nozzles, carried through as given.
        std::optional<std::size_t> listCell;
        std::string listName;
        for (const cases::CaseColumn& column : table.columns()) {
            if (column.role == cases::ColumnRole::Label && isNozzleListName(column.name)) {
                if (listCell) {
                    table.fail(column.cell, "the nozzles are listed in two columns, " + listName +
                                                " and " + column.name);
                }
                listCell = column.cell;
                listName = column.name;
                columns.push_back({column.name, std::nullopt});
                fixedCells.emplace_back();
                sources.push_back({columns.size() - 1, column.cell, std::nullopt});
                continue;
            }
            if (column.role == cases::ColumnRole::Result) {
                if (options_.ignoreResults) {
                    continue;
                }
                table.fail(column.cell,
                           "column '" + column.name +
                               "' holds results, as an earlier output does; give "
                               "--ignore-results to leave such columns out",
                           cases::InputFault::UnknownColumn, column.name);
            }
            const std::optional<std::size_t> input = column.role == cases::ColumnRole::Input
                                                         ? std::optional(column.input)
                                                         : std::nullopt;
            const bool fixed = input && fixedGiven_[*input];
            columns.push_back({column.name, input});
            fixedCells.push_back(fixed ? texts[*input] : std::string_view{});
            if (!fixed) {
                sources.push_back({columns.size() - 1, column.cell, input});
            }
            if (input) {
                given.set(*input);
            }
        }
        for (const std::string& pass : names_.passColumns()) {
            if (std::ranges::find(columns, pass, &InputColumn::name) == columns.end()) {
                throw cases::InputError(table.headerLine(), "column '" + pass +
                                                                "' declared with --pass is not "
                                                                "in the header");
            }
        }
        for (const cases::Assignment& assignment : fixed_) {
            if (!fixedCellInHeader(columns, assignment.input)) {
                columns.push_back({assignment.name, assignment.input});
                fixedCells.push_back(assignment.text);
            }
        }

        if (listCell && (given[0] || given[1] || given[2])) {
            table.fail(*listCell, listName +
                                      " lists the nozzles in place of the three nozzle "
                                      "fields: give one or the other");
        }
        CaseRows rows(columns, options_, streams_.out, true);
        const std::span<std::string_view> cells = rows.cells();
        std::copy(fixedCells.begin(), fixedCells.end(), cells.begin());
        return finish(rows.run([&] {
            // The fixed texts (NAME=TEXT) are looked at once, the cells as they are read.
            const bool fixedPlain = !firstLenientInput(fixedTexts_, fixedGiven_);
            while (table.next()) {
                std::optional<std::size_t> ambiguousInput;
                bool allPlain = fixedPlain;
                for (const Source& source : sources) {
                    const std::string_view cell = cells[source.output] = table.cell(source.cell);
                    if (source.input) {
                        texts[*source.input] = cell;
                        if (table.ambiguousCell() == source.cell) {
                            ambiguousInput = source.input;
                        }
                        const bool plain = table.isPlainFigure(source.cell);
                        allPlain = allPlain && plain;
                        noteLenient(cell, plain, [&] {
                            return "line " + std::to_string(table.line()) + ", column " +
                                   std::to_string(source.cell + 1) + " (" +
                                   columns[source.output].name + ")";
                        });
                    }
                }
                if (listCell) {
                    const NozzleListReading list = readNozzleList(listName, table.cell(*listCell));
                    rows.write(texts, given, list.nozzles, listName, list.problem.empty(),
                               ambiguousInput, allPlain);
                } else {
                    rows.write(texts, given, ambiguousInput, allPlain);
                }
            }
        }));
    }

    int readJsonLines(std::istream& in) {
        std::vector<InputColumn> columns;
        for (std::size_t i = 0; i < kInputCount; ++i) {
            columns.push_back({std::string(kInputQuantities[i].name), i});
        }
        // The texts of a line before its members: the fixed texts or the defaults.
        std::vector<std::string_view> base(names_.slotCount());
        std::copy(fixedTexts_.begin(), fixedTexts_.end(), base.begin());
        for (const std::string& pass : names_.passColumns()) {
            columns.push_back({pass, std::nullopt});
        }

        cases::JsonLinesReader reader(in, options_.read.encoding);
        CaseRows rows(columns, options_, streams_.out, true);
        const std::span<std::string_view> cells = rows.cells();
        return finish(rows.run([&] {
            std::vector<std::string_view> namedAs(base.size());
            InputTexts texts;
            while (reader.next()) {
                std::copy(base.begin(), base.end(), cells.begin());
                std::fill(namedAs.begin(), namedAs.end(), std::string_view{});
                GivenInputs given = fixedGiven_;
                // A nozzles or nozzlesMm member lists the line's nozzles; carried through only
                // when declared with --pass, as any other label.
                std::string_view listName;
                std::string_view listText;
                for (const cases::JsonMember& member : reader.members()) {
                    if (isNozzleListName(member.key)) {
                        if (!listName.empty()) {
                            throw cases::InputError(reader.line(),
                                                    "the nozzles are listed twice, as '" +
                                                        std::string(listName) + "' and '" +
                                                        std::string(member.key) + "'");
                        }
                        if (member.null) {
                            throw cases::InputError(reader.line(),
                                                    "the value of '" + std::string(member.key) +
                                                        "' is null, not a string or a number");
                        }
                        listName = member.key;
                        listText = member.text;
                        if (std::ranges::find(names_.passColumns(), member.key) ==
                            names_.passColumns().end()) {
                            continue;
                        }
                    }
                    std::optional<std::size_t> slot;
                    try {
                        slot = names_.resolve(member.key, namedAs);
                    } catch (const cases::UsageError& error) {
                        throw cases::InputError(reader.line(), error.what());
                    }
                    if (!slot || (*slot < kInputCount && fixedGiven_[*slot])) {
                        continue;
                    }
                    if (member.null) {
                        throw cases::InputError(reader.line(),
                                                "the value of '" + std::string(member.key) +
                                                    "' is null, not a string or a number");
                    }
                    cells[*slot] = member.text;
                    if (*slot < kInputCount) {
                        given.set(*slot);
                        noteLenient(member.text, cases::isPlainFigure(member.text), [&] {
                            return "line " + std::to_string(reader.line()) + " (" +
                                   std::string(member.key) + ")";
                        });
                    }
                }
                std::copy_n(cells.begin(), kInputCount, texts.begin());
                if (listName.empty()) {
                    rows.write(texts, given);
                    continue;
                }
                if (given[0] || given[1] || given[2]) {
                    throw cases::InputError(reader.line(),
                                            "'" + std::string(listName) +
                                                "' lists the nozzles in place of the three "
                                                "nozzle fields: give one or the other");
                }
                // The three nozzle fields take no part: their default texts are not shown.
                std::fill_n(cells.begin(), 3, std::string_view{});
                const NozzleListReading list = readNozzleList(listName, listText);
                rows.write(texts, given, list.nozzles, listName, list.problem.empty());
            }
        }));
    }

  private:
    // A header of one cell holding another separator than the one asked for is a file read
    // with the wrong --separator, not a table of one label.
    static void checkSeparator(const cases::CaseTableReader& table) {
        if (table.columns().size() != 1 || table.width() != 1) {
            return;
        }
        const cases::CaseColumn& column = table.columns().front();
        for (const char separator : {';', '\t', ','}) {
            if (separator != table.separator() &&
                column.name.find(separator) != std::string::npos) {
                const std::string shown = separator == '\t' ? "tab" : std::string(1, separator);
                table.fail(column.cell,
                           "the header looks separated by " +
                               (separator == '\t' ? shown : "'" + shown + "'") +
                               ": use --separator " +
                               (separator == '\t' ? shown : "'" + shown + "'"),
                           cases::InputFault::UnknownColumn, column.name);
            }
        }
    }

    // Whether the header has a column for the input, which then holds the fixed text.
    static bool fixedCellInHeader(const std::vector<InputColumn>& columns, std::size_t input) {
        return std::ranges::find(columns, std::optional(input), &InputColumn::input) !=
               columns.end();
    }

    // Counts a cell that was not a plain figure but was read whole as the window reads it, for
    // one warning; none with --strict, which faults them, and none for a figure read only in
    // part, which faults its row. `where` says where it stands, for the first.
    void noteLenient(std::string_view text, bool plain, const auto& where) {
        if (options_.strict || plain || !isWholeFigure(text)) {
            return;
        }
        if (lenientCount_++ == 0) {
            firstLenient_ = where() + " '" + std::string(text.substr(0, 40)) + "'";
        }
    }

    int finish(int status) const {
        if (lenientCount_ > 0) {
            streams_.err << kProgramName << ": warning: " << lenientCount_
                         << (lenientCount_ == 1 ? " cell was" : " cells were")
                         << " not a plain figure and read as the window reads it (an empty cell "
                            "as 0, 1 000 as 1000), the first on "
                         << firstLenient_ << "; give --strict to fault such rows instead\n";
        }
        return status;
    }

    const Options& options_;
    Streams& streams_;
    cases::ColumnNames names_;
    std::vector<cases::Assignment> fixed_;  // NAME=TEXT
    GivenInputs fixedGiven_;                // (before fixedTexts_, which sets it)
    InputTexts fixedTexts_;                 // the NAME=TEXT texts or the defaults
    std::uint64_t lenientCount_ = 0;
    std::string firstLenient_;
};

}  // namespace

// batch [FILE] [NAME=TEXT ...]: many cases read from FILE or standard input, one output row per
// input row, streaming.
//  - CSV input: a header row of column names (inputs by field name or caption, in any order and
//    any subset, and the --pass columns), then one case per row; the output carries the columns
//    as the header has them.
//  - JSON Lines input: one object per line. Since each object may give a different subset, the
//    output carries all eleven inputs in field order, each with the text it was computed from
//    (the default text where the object gave none), then the --pass columns (empty where not
//    given).
//  - NAME=TEXT gives an input one text for every row, in place of its column or as a column of
//    its own after the others.
// Returns kExitComputed or kExitFaulted, and warns once of the cells not plain figures that were
// read as the window reads them. Throws InputError for malformed input and UsageError for a name
// it cannot place, after writing every row before it.
CLI::App* declareBatch(CLI::App& program, Options& options) {
    CLI::App* batch = program.add_subcommand(
        "batch",
        "Many cases from FILE or standard input, one output row per input row, streaming; e.g. "
        "bit-hydraulics-cli batch sections.csv");
    batch
        ->add_option("FILE", options.arguments,
                     "The input file, CSV or JSON Lines (- or none: standard input), and inputs "
                     "given one text for every row, in place of their column or as a column of "
                     "their own; e.g. sections.csv mudDensity=1.3")
        ->type_name("NAME=TEXT");
    addChoice(*batch, "--input", options.input,
              {{"csv", cases::InputFormat::Csv}, {"jsonl", cases::InputFormat::JsonLines}},
              "csv|jsonl",
              "csv (the default: RFC 4180, a header row of input names in any order and any "
              "subset, then one case per row) or jsonl (one JSON object per line, keys input "
              "names, values strings or numbers); e.g. --input jsonl");
    addChoice(*batch, "--encoding", options.read.encoding,
              {{"utf-8", cases::Encoding::Utf8},
               {"gb18030", cases::Encoding::Gb18030},
               {"gbk", cases::Encoding::Gb18030},
               {"utf-16", cases::Encoding::Utf16}},
              "utf-8|gb18030|utf-16",
              "The encoding of input without a byte-order mark: utf-8 (the default), gb18030 "
              "(CSV as Chinese spreadsheets save it by default; gbk too) or utf-16; a UTF-8 or "
              "UTF-16 byte-order mark names its own; e.g. --encoding gb18030");
    batch
        ->add_option("--pass", options.passColumns,
                     "An extra input column, such as a well or section label, carried through "
                     "to the output unchanged; give it once for each column; e.g. --pass well "
                     "--pass section")
        ->type_name("NAME")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    batch->add_flag("--ignore-results", options.ignoreResults,
                    "Leave out result columns of the input (an earlier output fed back) instead "
                    "of refusing them; e.g. --ignore-results");
    batch->add_flag("--line-buffered", options.lineBuffered,
                    "Read and answer one line at a time, writing each row at once, for a script "
                    "that writes a line and waits for its answer; e.g. --line-buffered");
    addRowOptions(*batch, options);
    addCaseOptions(*batch, options);
    return batch;
}

int runBatch(const Options& options, Streams& streams) {
    std::string file = "-";
    std::vector<std::string> overrides;
    for (const std::string& argument : options.arguments) {
        if (argument.find('=') != std::string::npos) {
            overrides.push_back(argument);
        } else if (file == "-") {
            file = argument;
        } else {
            throw cases::UsageError("more than one FILE: '" + file + "' and '" + argument + "'");
        }
    }
    Batch batch(options, streams, overrides);
    std::optional<cases::FileInput> fileInput;
    std::optional<std::istream> fileStream;
    if (file != "-") {
        fileStream.emplace(&fileInput.emplace(file));
    }
    std::istream& in = fileStream ? *fileStream : streams.in;
    try {
        return options.input == cases::InputFormat::Csv ? batch.readCsv(in)
                                                        : batch.readJsonLines(in);
    } catch (const cases::ReadError& error) {
        throw cases::ReadError("cannot read " +
                               (file == "-" ? "standard input" : "'" + file + "'") + ": " +
                               error.what());
    }
}

}  // namespace bithydraulics::cli
