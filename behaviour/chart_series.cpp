#include "behaviour/chart_series.h"

#include <algorithm>

#include "behaviour/answer_texts.h"
#include "behaviour/figure_text.h"
#include "calc/quantities.h"
#include "optimize/texts.h"

namespace bithydraulics {
namespace {

using optimize::Criterion;
using optimize::FlowRange;
using optimize::Language;
using optimize::OperatingPoint;

// A quantity's caption, as every window names it.
std::string caption(std::string_view name) {
    return std::string(quantityCaption(name));
}

// A quantity of every row that computed, in the panel's unit.
template <class Figure>
SeriesCurve curve(std::string name, const FlowRange& range, Figure figure) {
    SeriesCurve line{std::move(name), {}, false, {}};
    line.points.reserve(range.rows.size());
    for (const optimize::FlowRangeRow& row : range.rows) {
        if (!row.fault) {
            line.points.push_back({row.point.flowRate(), figure(row.point)});
        }
    }
    return line;
}

// A limit's setting as a level across the whole axis.
SeriesCurve level(std::string name, std::string label, double value, double maxFlowRate) {
    return {std::move(name), {{0, value}, {maxFlowRate, value}}, true, std::move(label)};
}

SeriesPanel pressurePanel(const FlowRange& range, const optimize::OptimizationLimits& limits) {
    SeriesPanel panel{"压力", "MPa", 2, {}, {}};
    panel.curves.push_back(curve(caption("pumpPressure"), range,
                                 [](const OperatingPoint& p) { return p.pumpPressure(); }));
    panel.curves.push_back(curve(caption("bitPressureDrop"), range, [](const OperatingPoint& p) {
        return p.results.bitPressureDrop;
    }));
    panel.curves.push_back(curve(caption("parasiticLoss"), range,
                                 [](const OperatingPoint& p) { return p.parasiticLoss; }));
    // What the pump may deliver: its pressure limit, and beyond the corner what its power allows.
    SeriesCurve available = curve(caption("availablePressure"), range,
                                  [](const OperatingPoint& p) { return p.availablePressure; });
    available.limit = true;
    available.label = "泵压上限 " + fixed2(limits.maxPressure) + " MPa";
    if (limits.maxPower > 0) {
        available.label += "，泵功率 " + fixed2(limits.maxPower) + " kW";
    }
    panel.curves.push_back(std::move(available));
    return panel;
}

SeriesPanel powerPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                       double maxFlowRate) {
    SeriesPanel panel{"功率", "kW", 2, {}, {}};
    panel.curves.push_back(curve(caption("bitHydraulicPower"), range, [](const OperatingPoint& p) {
        return p.results.bitHydraulicPower;
    }));
    panel.curves.push_back(
        curve(caption("pumpPower"), range, [](const OperatingPoint& p) { return p.pumpPower; }));
    if (limits.maxPower > 0) {
        panel.curves.push_back(level("泵功率上限", "泵功率上限 " + fixed2(limits.maxPower) + " kW",
                                     limits.maxPower, maxFlowRate));
    }
    return panel;
}

SeriesPanel impactPanel(const FlowRange& range) {
    SeriesPanel panel{"冲击力", "N", 2, {}, {}};
    panel.curves.push_back(curve(caption("impactForce"), range,
                                 [](const OperatingPoint& p) { return p.results.impactForce; }));
    return panel;
}

SeriesPanel densityPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                         double maxFlowRate) {
    SeriesPanel panel{"当量循环密度", "g/cm³", 3, {}, {}};
    panel.curves.push_back(curve(caption("equivalentDensity"), range,
                                 [](const OperatingPoint& p) { return p.equivalentDensity; }));
    if (limits.maxEquivalentDensity > 0) {
        panel.curves.push_back(
            level("当量循环密度上限",
                  "当量循环密度上限 " + fixed2(limits.maxEquivalentDensity) + " g/cm³",
                  limits.maxEquivalentDensity, maxFlowRate));
    }
    return panel;
}

SeriesPanel velocityPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                          double maxFlowRate) {
    // The program keeps annular velocities in hundredths of m/s.
    SeriesPanel panel{"环空返速", "m/s", 2, {}, {}};
    panel.curves.push_back(
        curve(caption("annularVelocityPipe"), range,
              [](const OperatingPoint& p) { return p.results.annularVelocityPipe * 100; }));
    panel.curves.push_back(
        curve(caption("annularVelocityCollar"), range,
              [](const OperatingPoint& p) { return p.results.annularVelocityCollar * 100; }));
    if (limits.minAnnularVelocity > 0) {
        panel.curves.push_back(level("最小环空返速",
                                     "最小环空返速 " + fixed2(limits.minAnnularVelocity) + " m/s",
                                     limits.minAnnularVelocity, maxFlowRate));
    }
    return panel;
}

// The optimum of the criterion, in the panel that draws it.
void markOptimum(const optimize::OptimizationResult& answer, std::vector<SeriesPanel>& panels) {
    const OperatingPoint& point = answer.optimum.point;
    switch (answer.criterion) {
        case Criterion::BitHydraulicPower:
            panels[1].points.push_back({"最优 " + fixed2(point.criterionValue) + " kW",
                                        {point.flowRate(), point.criterionValue}});
            break;
        case Criterion::ImpactForce:
            panels[2].points.push_back({"最优 " + fixed2(point.criterionValue) + " N",
                                        {point.flowRate(), point.criterionValue}});
            break;
        case Criterion::JetVelocity:
            break;  // no panel draws the jet velocity; its flow rate is marked
    }
}

}  // namespace

ChartSeries chartSeries(const HydraulicsInputs& setUp, const FlowRange& range,
                        const optimize::OptimizationLimits& limits,
                        const optimize::OptimizationResult* answer) {
    ChartSeries chart;
    // The table's reach, and the marked flow rates beyond it.
    chart.maxFlowRate = range.rows.empty() ? 0 : range.rows.back().point.flowRate();
    if (answer != nullptr) {
        chart.maxFlowRate = std::max(chart.maxFlowRate, answer->optimum.point.flowRate() * 1.05);
    }
    if (limits.maxFlow > 0) {
        chart.maxFlowRate = std::max(chart.maxFlowRate, limits.maxFlow * 1.05);
    }
    chart.caption = "当前喷嘴 " + shortest(setUp.nozzleDiameter1) + "、" +
                    shortest(setUp.nozzleDiameter2) + "、" + shortest(setUp.nozzleDiameter3) +
                    " mm 的排量曲线";
    if (answer != nullptr) {
        chart.caption += "，最优按" + std::string(optimize::criterionName(
                                          answer->criterion, Language::SimplifiedChinese));
    }
    if (range.window.contradiction) {
        chart.note = "当前喷嘴" + operatingWindowText(range.window);
    } else {
        chart.operatingWindow =
            SeriesFlowSpan{range.window.lower.flowRate, range.window.upper.flowRate};
        chart.operatingWindowName = "工作范围";
    }
    chart.marks.push_back(
        {"当前排量 " + fixed2(range.calibration.flowRate), range.calibration.flowRate, false});
    if (answer != nullptr) {
        const double optimum = answer->optimum.point.flowRate();
        chart.marks.push_back({"最优排量 " + fixed2(optimum), optimum, false});
    }
    if (limits.maxFlow > 0) {
        chart.marks.push_back({"缸套最大排量 " + fixed2(limits.maxFlow), limits.maxFlow, true});
    }
    chart.panels.push_back(pressurePanel(range, limits));
    chart.panels.push_back(powerPanel(range, limits, chart.maxFlowRate));
    chart.panels.push_back(impactPanel(range));
    chart.panels.push_back(densityPanel(range, limits, chart.maxFlowRate));
    chart.panels.push_back(velocityPanel(range, limits, chart.maxFlowRate));
    if (answer != nullptr) {
        markOptimum(*answer, chart.panels);
    }
    return chart;
}

ChartSeries chartProblem(std::string problem) {
    ChartSeries chart;
    chart.problem = std::move(problem);
    return chart;
}

}  // namespace bithydraulics
