#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/hydraulics.h"
#include "optimize/optimization_limits.h"
#include "optimize/results.h"

// What the flow-rate chart draws, decided apart from how it is drawn: every series, limit line,
// mark and text, in plain types (texts UTF-8) that any front-end can draw.
namespace bithydraulics {

// The flow rates the chart draws, evenly spaced from 0 to a little beyond the operating window.
inline constexpr int kFlowChartSamples = 241;

struct SeriesPoint {
    double flowRate = 0;  // L/s
    double value = 0;     // in the panel's unit
};

// A line against flow rate: a quantity of the current nozzles (in the legend), or a limit
// (dashed, labelled at the line itself).
struct SeriesCurve {
    std::string name;  // "泵压"
    std::vector<SeriesPoint> points;
    bool limit = false;
    std::string label;  // a limit's label beside its line, "最高泵压 18.00 MPa"
};

// A point marked in a panel with its label: the optimum of the chosen criterion.
struct SeriesMarkedPoint {
    std::string label;
    SeriesPoint point;
};

// One panel: the quantities of one family, in one unit.
struct SeriesPanel {
    std::string title;  // "压力"
    std::string unit;   // "MPa"
    int decimals = 2;   // of its figures in a read-out
    std::vector<SeriesCurve> curves;
    std::vector<SeriesMarkedPoint> points;
};

// A flow rate marked across every panel: the current one, the optimum, the liner's limit.
struct SeriesFlowMark {
    std::string label;  // "当前排量 30.00"
    double flowRate = 0;
    bool limit = false;
};

struct SeriesFlowSpan {
    double lower = 0;
    double upper = 0;
};

// Everything the chart shows. With `problem` set, it shows that instead of the panels.
struct ChartSeries {
    std::string problem;     // why nothing can be drawn
    std::string caption;     // what is drawn: the nozzles and the criterion
    std::string note;        // a remark on what is drawn, e.g. limits that leave no flow rate
    double maxFlowRate = 0;  // the shared axis runs from 0 to this
    std::optional<SeriesFlowSpan> operatingWindow;  // shaded in every panel
    std::string operatingWindowName;
    std::vector<SeriesFlowMark> marks;
    std::vector<SeriesPanel> panels;  // top to bottom
};

// The chart of the current nozzles from the optimiser's flow-range table: pump pressure, bit
// pressure drop and parasitic loss (MPa); bit hydraulic power and pump power (kW); impact force
// (N, as the main window shows it); equivalent circulating density (g/cm³); the two annular
// velocities (m/s). Each limit is a labelled line, the operating window is shaded, the current flow
// rate and, with `answer`, the optimum of its criterion are marked. A flow rate at which the
// program faults (no flow) is left out. Every figure is the table's own, only brought to the
// panel's unit.
ChartSeries chartSeries(const HydraulicsInputs& setUp, const optimize::FlowRange& range,
                        const optimize::OptimizationLimits& limits,
                        const optimize::OptimizationResult* answer);

// The chart with nothing drawn, saying why.
ChartSeries chartProblem(std::string problem);

}  // namespace bithydraulics
