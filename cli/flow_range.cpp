#include "cli/command.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "cases/result_columns.h"
#include "cli/exit_status.h"
#include "cli/fitted_table.h"
#include "cli/optimizer_options.h"
#include "cli/point_cells.h"
#include "optimize/hydraulic_model.h"
#include "optimize/optimizer.h"
#include "optimize/texts.h"

namespace bithydraulics::cli {
namespace {

using namespace optimize;

// One row: a flow rate of the range, or an end of the window.
struct Row : FlowRangeRow {
    std::string_view end;  // "lower", "upper" or empty
    Limit limit = Limit::None;
};

// The rows of the range with the window's ends among them in flow-rate order. An end that falls
// on a flow rate of the range marks that row instead.
std::vector<Row> rowsWithEnds(const SetUp& setUp, const OptimizationLimits& limits,
                              const FlowRange& range) {
    std::vector<Row> rows;
    for (const FlowRangeRow& row : range.rows) {
        rows.push_back({row, {}, Limit::None});
    }
    if (range.window.empty()) {
        return rows;
    }
    const HydraulicModel model(setUp.figures, setUp.nozzles, limits);
    for (const auto& [name, end] :
         {std::pair{"lower", range.window.lower}, {"upper", range.window.upper}}) {
        const auto at = std::ranges::lower_bound(
            rows, end.flowRate, {}, [](const Row& row) { return row.point.flowRate(); });
        if (at != rows.end() && at->point.flowRate() == end.flowRate) {
            at->end = name;
            at->limit = end.limit;
            continue;
        }
        Row row{{{}, true, std::nullopt}, name, end.limit};
        row.point.inputs.flowRate = end.flowRate;
        try {
            row.point = model.evaluate(model.currentNozzles(), end.flowRate);
        } catch (const CalculationFault& fault) {
            row.fault = fault;
        }
        rows.insert(at, row);
    }
    return rows;
}

// The cells of one row, all columns.
class RowCells {
  public:
    explicit RowCells(bool full) : point_(full) {}

    std::vector<cases::Column> columns() const {
        std::vector<cases::Column> columns = point_.columns();
        // A Number cell stands as written in JSON, so true and false are JSON's own.
        columns.push_back({"withinWindow", {}, {}, cases::CellKind::Number});
        columns.push_back({"windowEnd", {}, {}, cases::CellKind::Text});
        columns.push_back({"windowLimit", {}, {}, cases::CellKind::Text});
        columns.push_back({std::string(cases::kFaultColumn), {}, {}, cases::CellKind::Text});
        columns.push_back(
            {std::string(cases::kFaultQuantityColumn), {}, {}, cases::CellKind::Text});
        return columns;
    }

    const std::vector<std::string_view>& fill(const Row& row) {
        std::optional<CalculationFault> fault = row.fault;
        std::span<const std::string_view> figures;
        try {
            figures = point_.fill(row.point, !fault);
        } catch (const CalculationFault& textFault) {
            fault = textFault;
            figures = point_.fill(row.point, false);
        }
        cells_.assign(figures.begin(), figures.end());
        cells_.push_back(row.withinWindow ? "true" : "false");
        cells_.push_back(row.end);
        cells_.push_back(row.end.empty() ? "" : limitName(row.limit, Language::English));
        cells_.push_back(fault ? faultKindName(fault->kind()) : "");
        cells_.push_back(fault ? fault->quantity() : "");
        return cells_;
    }

  private:
    PointCells point_;
    std::vector<std::string_view> cells_;
};

// The columns a chart and an engineer look at first, by name, each with how much it matters
// when the terminal is narrow: the flow rate and the pump pressures first.
constexpr std::array<std::pair<std::string_view, int>, 12> kFittedColumns{{
    {"flowRate", 9},
    {"pumpPressure", 9},
    {"availablePressure", 8},
    {"bitPressureDrop", 7},
    {"bitHydraulicPower", 6},
    {"pumpPower", 5},
    {"impactForce", 4},
    {"jetVelocity", 3},
    {"equivalentDensity", 5},
    {"withinWindow", 6},
    {"windowEnd", 6},
    {"fault", 2},
}};

void writeFittedRows(const std::vector<Row>& rows, const Options& options,
                     cases::OutputBuffer& out) {
    RowCells cells(options.full);
    const std::vector<cases::Column> all = cells.columns();
    std::vector<std::size_t> chosen;
    std::vector<FittedTable::Column> columns;
    for (const auto& [name, priority] : kFittedColumns) {
        for (std::size_t c = 0; c < all.size(); ++c) {
            if (all[c].name == name) {
                chosen.push_back(c);
                const bool text = all[c].kind == cases::CellKind::Text;
                columns.push_back(
                    {all[c].name, std::string(all[c].unit),
                     text ? cases::TextTable::Align::Left : cases::TextTable::Align::Right,
                     priority});
            }
        }
    }
    FittedTable table(std::move(columns));
    std::vector<std::string_view> row;
    for (const Row& each : rows) {
        const std::vector<std::string_view>& filled = cells.fill(each);
        row.clear();
        for (const std::size_t c : chosen) {
            row.push_back(filled[c]);
        }
        table.addRow(row);
    }
    table.render(outputWidth(), out);
}

void writeRows(const std::vector<Row>& rows, const Options& options, cases::OutputBuffer& out) {
    if (options.write.format == cases::RowFormat::Table && !options.wide) {
        writeFittedRows(rows, options, out);
        return;
    }
    RowCells cells(options.full);
    std::vector<cases::Column> columns = cells.columns();
    if (options.write.format == cases::RowFormat::Csv) {
        // A spreadsheet shows only the header: each figure's unit goes with its name.
        for (cases::Column& column : columns) {
            if (!column.unit.empty()) {
                column.name += " (" + std::string(column.unit) + ")";
            }
        }
    }
    const auto writer = cases::makeRowWriter(std::move(columns), options.write, out);
    for (const Row& row : rows) {
        writer->writeRow(cells.fill(row));
    }
    writer->finish();
}

}  // namespace

// flow-range [NAME=TEXT ...] --max-pressure MPa [limits] [--points N]: the current nozzles at N
// evenly spaced flow rates from 0 to 1.2 times the operating window's upper end, for a
// spreadsheet chart, with the window's two ends as rows of their own in flow-rate order. Each row:
// the flow rate, the predicted pump pressure, the pressure the pump may deliver there, the pump
// power, the nine results (display texts, or with --full the values, nozzleArea first), the
// equivalent circulating density, withinWindow (true or false), windowEnd (lower, upper or
// empty) and the limit that sets that end, fault and faultQuantity. A row whose flow rate the
// program faults at (no flow: the power utilisation is 0/0) has only its flow rate and its fault.
// Returns kExitComputed; an empty window ends the run with Unanswered, naming both limits, after
// every row is written.
CLI::App* declareFlowRange(CLI::App& program, Options& options) {
    CLI::App* command = program.add_subcommand(
        "flow-range",
        "The current nozzles at evenly spaced flow rates from 0 to 1.2 times the operating "
        "window's upper end, one row each, for a spreadsheet chart. The window's two ends are "
        "rows of their own among them, marked in windowEnd with the limit that sets each, and "
        "withinWindow marks every row inside it: one plain table that charts at once, with no "
        "line to skip; e.g. bit-hydraulics-cli flow-range --max-pressure 18 --max-ecd 1.3 "
        "--depth 2000");
    addSetUpAndLimits(*command, options);
    addWholeNumber(*command, "--points", options.flowPoints,
                   "How many evenly spaced flow rates, from 0: 2 to 100000 (default 101); e.g. "
                   "--points 41");
    addRowOptions(*command, options,
                  "csv (the default), jsonl or table; each row holds the flow rate, the "
                  "predicted pump pressure, the pressure the pump may deliver there "
                  "(availablePressure), the pump power, the nine results, the equivalent "
                  "circulating density, withinWindow, windowEnd, windowLimit, fault and "
                  "faultQuantity; e.g. --format table");
    addCaseOptions(*command, options);
    command->add_flag("--wide", options.wide,
                      "With --format table, every column however wide, rather than the columns "
                      "that fit the terminal (100 columns when the output is not one); e.g. "
                      "--wide");
    return command;
}

int runFlowRange(const Options& options, Streams& streams) {
    const SetUp setUp = readSetUp(options);
    const auto [range, rows] = answer([&] {
        FlowRange range =
            computeFlowRange(setUp.figures, setUp.nozzles, options.limits, options.flowPoints);
        std::vector<Row> rows = rowsWithEnds(setUp, options.limits, range);
        return std::pair{std::move(range), std::move(rows)};
    });
    writeRows(rows, options, streams.out);
    if (range.window.empty()) {
        throw cases::Unanswered(
            describeContradiction(*range.window.contradiction, Language::English));
    }
    return kExitComputed;
}

}  // namespace bithydraulics::cli
