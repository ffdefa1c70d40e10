#include "window/chart_without_limits.h"

#include "optimize/optimizer.h"
#include "window/flow_chart_figures.h"

namespace bithydraulics {

FlowChartFigures chartWithoutLimits(const HydraulicsInputs& setUp,
                                    const optimize::OptimizationLimits& read, const QString& note) {
    optimize::OptimizationLimits reach = read;
    reach.maxPower = 0;
    reach.maxFlow = 0;
    reach.minAnnularVelocity = 0;
    reach.maxEquivalentDensity = 0;
    // Not a limit: how far the axis reaches.
    reach.maxPressure = 2 * setUp.pumpPressure;
    const optimize::FlowRange range = optimize::computeFlowRange(setUp, reach, kFlowChartSamples);
    FlowChartFigures figures = flowChartFigures(chartSeries(setUp, range, reach, nullptr));
    for (ChartPanel& panel : figures.panels) {
        panel.curves.removeIf([](const ChartCurve& curve) { return curve.limit; });
    }
    figures.marks.removeIf([](const FlowMark& mark) { return mark.limit; });
    figures.operatingWindow.reset();
    figures.operatingWindowName.clear();
    figures.note = note;
    return figures;
}

}  // namespace bithydraulics
